#pragma once

#include <string>
#include <string_view>

#include "fw/controls/win_control.h"
#include "fw/stdctrls/control_borders.h"

namespace fw {

// A text box over the platform "Edit". Its settings are kept on the control, so they survive
// the window being made again; the text lives in the window while there is one.
class TCustomEdit : public TWinControl {
    FW_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on);
    int MaxLength() const { return maxLength_; }  // 0: no limit
    void SetMaxLength(int length);
    char32_t PasswordChar() const { return passwordChar_; }  // 0: the text shows
    void SetPasswordChar(char32_t c);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut) { bevelInner_ = cut; Invalidate(); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut) { bevelOuter_ = cut; Invalidate(); }
    TBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TBevelKind kind) { bevelKind_ = kind; Invalidate(); }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }

    // Selection in characters (code points) of the text.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    std::string SelText() const;
    void SetSelText(std::string_view text);
    void SelectAll();
    void ClearSelection() { SetSelText(""); }
    void Clear() { SetText(""); }
    bool Modified() const;
    void SetModified(bool on);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& message) override;
    virtual void Change();
    void DoEnter() override;

private:
    void GetSel(int& start, int& end) const;

    bool readOnly_ = false;
    int maxLength_ = 0;
    char32_t passwordChar_ = 0;
    TBorderStyle borderStyle_ = bsSingle;
    bool ctl3D_ = true;
    TBevelCut bevelInner_ = bvRaised;
    TBevelCut bevelOuter_ = bvLowered;
    TBevelKind bevelKind_ = bkNone;
    bool autoSelect_ = true;
    bool modified_ = false;  // while there is no window
};

class TEdit : public TCustomEdit {
    FW_CLASS(TEdit, TCustomEdit)
public:
    using TCustomEdit::TCustomEdit;
};

}  // namespace fw
