#include "fw/graphics/masked_draw.h"

#include "plat/gdi/blit.h"
#include "plat/gdi/dc.h"

namespace fw {

void MaskedStretchBlt(plat::HDC to, const TRect& dest, plat::HDC from, const TRect& source, plat::HDC mask,
                      int maskX, int maskY)
{
    if (dest.empty() || source.empty()) return;
    // The mono mask's 1 bits become white (keep everything), its 0 bits black (clear).
    plat::COLORREF text = plat::SetTextColor(to, 0x000000);
    plat::COLORREF back = plat::SetBkColor(to, 0xFFFFFF);
    const int dx = dest.left, dy = dest.top, dw = dest.width(), dh = dest.height();
    const int sw = source.width(), sh = source.height();
    plat::StretchBlt(to, dx, dy, dw, dh, from, source.left, source.top, sw, sh, plat::SRCINVERT);
    plat::StretchBlt(to, dx, dy, dw, dh, mask, maskX, maskY, sw, sh, plat::SRCAND);
    plat::StretchBlt(to, dx, dy, dw, dh, from, source.left, source.top, sw, sh, plat::SRCINVERT);
    plat::SetTextColor(to, text);
    plat::SetBkColor(to, back);
}

}  // namespace fw
