#pragma once

#include <string>

#include "fw/classes/alignment.h"
#include "fw/controls/graphic_control.h"
#include "fw/controls/win_control.h"
#include "fw/stdctrls/control_borders.h"

namespace fw {

// A text drawn on its parent's surface. With AutoSize it takes the size of its text (keeping
// its width when words wrap, and its right edge when right-aligned); "&x" in the caption
// underlines x and Alt+x focuses FocusControl.
class TCustomLabel : public TGraphicControl {
    FW_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(TComponent* owner);
    ~TCustomLabel() override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
    void SetTransparent(bool on);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    // The text step of painting and of sizing (DT_CALCRECT in `flags`: measure into `rect`
    // only). A disabled label is drawn embossed; a skinned label replaces this step.
    virtual void DoDrawText(TRect& rect, plat::UINT flags);
    // The text that is drawn: the caption.
    virtual std::string GetLabelText() const { return Caption(); }
    // The DrawText flags of alignment, word wrap and accelerators.
    plat::UINT TextFlags() const;
    // Takes the size of the text now (with AutoSize).
    virtual void AdjustBounds();

private:
    bool IsAccel(char32_t c) const;

    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
    FW_CLASS(TLabel, TCustomLabel)
public:
    using TCustomLabel::TCustomLabel;
};

}  // namespace fw
