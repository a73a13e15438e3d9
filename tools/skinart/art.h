#pragma once

#include <cstdint>
#include <vector>

#include "gfx/bitmap.h"
#include "look.h"

namespace skinart {

// The master bitmap, 515 x 100 at 24 bits: every rectangle the options file cuts out of it.
gfx::Bitmap drawMaster(const Look& look);
// The title's top-left sheen, 429 x 600 at 8 bits: picture above, mask below.
gfx::Bitmap drawTitleSheen(const Look& look);
// The huge button, 288 x 192 at 8 bits: three masked frames of 96 x 96.
gfx::Bitmap drawHugeButton(const Look& look);
// The button glow, 32 x 32 RGBA, as PNG file bytes.
std::vector<std::uint8_t> drawGlowPng(const Look& look);

}  // namespace skinart
