#include "fw/stdctrls/frame3d.h"

namespace fw {

void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    canvas.Pen()->SetWidth(1);
    for (int i = 0; i < width && rect.right - rect.left > 1 && rect.bottom - rect.top > 1; ++i) {
        --rect.right;
        --rect.bottom;
        canvas.Pen()->SetColor(topLeft);
        canvas.MoveTo(rect.left, rect.bottom);
        canvas.LineTo(rect.left, rect.top);
        canvas.LineTo(rect.right, rect.top);
        canvas.Pen()->SetColor(bottomRight);
        canvas.LineTo(rect.right, rect.bottom);
        canvas.LineTo(rect.left - 1, rect.bottom);
        ++rect.left;
        ++rect.top;
    }
}

}  // namespace fw
