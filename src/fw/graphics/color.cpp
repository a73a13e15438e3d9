#include "fw/graphics/color.h"

namespace fw {

TColor ColorToRGB(TColor color)
{
    if (color == clNone || color == clDefault) return color;
    if (IsSystemColor(color)) return TColor(plat::ColorToRGB(std::uint32_t(color)));
    return TColor(std::uint32_t(color) & 0x00FFFFFFu);
}

plat::COLORREF ColorToRef(TColor color, plat::COLORREF fallback)
{
    if (color == clNone || color == clDefault) return fallback;
    return plat::COLORREF(ColorToRGB(color));
}

}  // namespace fw
