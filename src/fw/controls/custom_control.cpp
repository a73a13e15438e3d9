#include "fw/controls/custom_control.h"

namespace fw {

using namespace plat;

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(this)
{
    SetControlState(ControlState() + TControlState{csCustomPaint});
}

TCustomControl::~TCustomControl()
{
    // The window goes while the canvas is still here to give its context back.
    canvas_.FreeHandle();
    DestroyHandle();
}

void TCustomControl::PaintWindow(HDC dc)
{
    TCanvasPaintScope scope(canvas_, dc);
    canvas_.Font()->Assign(*Font());
    canvas_.Brush()->Assign(*Brush());
    Paint();
}

void TCustomControl::Dispatch(TMessage& m)
{
    if (m.Msg == WM_DESTROY) canvas_.FreeHandle();
    TWinControl::Dispatch(m);
}

}  // namespace fw
