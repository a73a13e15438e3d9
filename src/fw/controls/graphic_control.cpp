#include "fw/controls/graphic_control.h"

#include "fw/controls/win_control.h"

namespace fw {

using namespace plat;

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(this) {}

void TGraphicControl::Dispatch(TMessage& m)
{
    if (m.Msg == WM_PAINT && m.DC()) {
        TCanvasPaintScope scope(canvas_, m.DC());
        canvas_.Font()->Assign(*Font());
        Paint();
        return;
    }
    TControl::Dispatch(m);
}

}  // namespace fw
