#include "fw/controls/control_canvas.h"

#include "fw/controls/win_control.h"
#include "plat/gdi/dc.h"
#include "plat/paint.h"

namespace fw {

using namespace plat;

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle()
{
    if (taken_) return;
    if (auto* windowed = As<TWinControl>(control_)) {
        window_ = windowed->Handle();
        taken_ = GetDC(window_);
    } else if (TWinControl* parent = control_->Parent()) {
        window_ = parent->Handle();
        taken_ = GetDC(window_);
        if (taken_) {
            SetViewportOrgEx(taken_, control_->Left(), control_->Top(), nullptr);
            IntersectClipRect(taken_, 0, 0, control_->Width(), control_->Height());
        }
    }
    if (taken_) SetHandle(taken_);
}

void TControlCanvas::FreeHandle()
{
    if (!taken_) return;
    HDC dc = taken_;
    taken_ = {};
    SetHandle({});
    ReleaseDC(window_, dc);
    window_ = {};
}

void TControlCanvas::Changed()
{
    TCanvas::Changed();
    if (LockCount() == 0) FreeHandle();
}

void TControlCanvas::BeginPaintWith(HDC dc)
{
    FreeHandle();
    Lock();
    SetHandle(dc);
}

void TControlCanvas::EndPaintWith()
{
    SetHandle({});
    Unlock();
}

}  // namespace fw
