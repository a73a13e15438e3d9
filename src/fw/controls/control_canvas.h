#pragma once

#include "fw/graphics/canvas.h"
#include "plat/handle.h"

namespace fw {

class TControl;

// The canvas of a control. While a paint handler lends it the paint context it draws there;
// asked to draw at another time it takes a context of the control's window (for a graphic
// control, its parent's, moved and clipped to the control) and gives it back after the call,
// unless it is locked.
class TControlCanvas : public TCanvas {
    FW_CLASS(TControlCanvas, TCanvas)
public:
    explicit TControlCanvas(TControl* control) : control_(control) {}
    ~TControlCanvas() override;

    TControl* Control() const { return control_; }
    // Gives back a context the canvas took itself.
    void FreeHandle();
    // Draws into `dc` for the length of a paint handler.
    void BeginPaintWith(plat::HDC dc);
    void EndPaintWith();

protected:
    void CreateHandle() override;
    void Changed() override;

private:
    TControl* control_;
    plat::HWND window_;  // whose context the canvas took
    plat::HDC taken_;
};

// Keeps a control's canvas on a paint context for a scope, also when an exception passes.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TControlCanvas& canvas, plat::HDC dc) : canvas_(canvas) { canvas_.BeginPaintWith(dc); }
    ~TCanvasPaintScope() { canvas_.EndPaintWith(); }
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
    TControlCanvas& canvas_;
};

}  // namespace fw
