#pragma once

#include "fw/classes/alignment.h"
#include "fw/controls/custom_control.h"
#include "fw/stdctrls/control_borders.h"

namespace fw {

// A container drawn by the framework: an outer and an inner bevel with a border between them,
// and a caption centred vertically in what is left.
class TCustomPanel : public TCustomControl {
    FW_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    // The width of everything drawn around the client area on one side.
    int FrameWidth() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(plat::RECT& rect) const override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    // Draws the bevels and border into `rect`, leaving it the inside.
    void PaintFrame(plat::RECT& rect);

private:
    void FrameChanged();

    TAlignment alignment_ = taCenter;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
};

class TPanel : public TCustomPanel {
    FW_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

}  // namespace fw
