#pragma once

#include <memory>

#include "fw/classes/alignment.h"
#include "fw/stdctrls/custom_edit.h"
#include "fw/stdctrls/memo_strings.h"

namespace fw {

// A multi-line text box: its Lines are its text, line by line.
class TCustomMemo : public TCustomEdit {
    FW_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings* Lines() { return lines_.get(); }
    void SetLines(const TStrings& lines) { lines_->Assign(lines); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // Whether Enter and Tab go into the text or to the form (default button, next control).
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool on);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool on) { wantTabs_ = on; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;

private:
    std::unique_ptr<TMemoStrings> lines_;
    TAlignment alignment_ = taLeftJustify;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
    FW_CLASS(TMemo, TCustomMemo)
public:
    using TCustomMemo::TCustomMemo;
};

}  // namespace fw
