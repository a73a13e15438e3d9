#include "paint/raster/focus_dots.h"

#include "fw/graphics/color.h"

namespace paint {

void DrawFocusDots(fw::TCanvas& canvas, const fw::TRect& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    for (int i = 0; i <= width / 3; ++i) {
        const int x = rect.left + 3 * i;
        canvas.SetPixels(x, rect.top, fw::clBlack);
        canvas.SetPixels(x, rect.bottom, fw::clBlack);
        canvas.SetPixels(x - 1, rect.top - 1, fw::clWhite);
        canvas.SetPixels(x - 1, rect.bottom - 1, fw::clWhite);
    }
    for (int j = 0; j <= height / 3; ++j) {
        const int y = rect.top + 3 * j;
        canvas.SetPixels(rect.left, y, fw::clBlack);
        canvas.SetPixels(rect.right, y, fw::clBlack);
        canvas.SetPixels(rect.left - 1, y - 1, fw::clWhite);
        canvas.SetPixels(rect.right - 1, y - 1, fw::clWhite);
    }
}

}  // namespace paint
