#pragma once

#include <vector>

#include "gfx/color.h"

namespace fw {

// The palette a bitmap of 1, 4 or 8 bits gets: black and white; the 16 classic colours; those
// 16, a 6x6x6 colour cube and greys.
std::vector<gfx::Color> StandardPalette(int bitsPerPixel);
// The entry nearest to a colour (least squared distance; the first of equals).
unsigned NearestPaletteIndex(const std::vector<gfx::Color>& palette, gfx::Color color);

}  // namespace fw
