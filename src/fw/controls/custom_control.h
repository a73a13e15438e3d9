#pragma once

#include "fw/controls/control_canvas.h"
#include "fw/controls/win_control.h"

namespace fw {

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
    FW_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() { return &canvas_; }

protected:
    virtual void Paint() {}
    void PaintWindow(plat::HDC dc) override;
    void Dispatch(TMessage& message) override;

private:
    TControlCanvas canvas_;
};

}  // namespace fw
