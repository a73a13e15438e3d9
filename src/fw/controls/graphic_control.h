#pragma once

#include "fw/controls/control.h"
#include "fw/controls/control_canvas.h"

namespace fw {

// A control without a window of its own: it paints on its parent's surface, in its own
// coordinates, when the parent paints.
class TGraphicControl : public TControl {
    FW_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);
    TCanvas* Canvas() { return &canvas_; }

protected:
    virtual void Paint() {}
    void Dispatch(TMessage& message) override;

private:
    TControlCanvas canvas_;
};

}  // namespace fw
