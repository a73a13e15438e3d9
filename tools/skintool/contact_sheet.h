#pragma once

#include "gfx/bitmap.h"
#include "skin/model/loaded_skin.h"

namespace skintool {

// The master bitmap enlarged, transparent pixels as a checkerboard, every entry's rectangle
// outlined with its frames and numbered, and a legend of the numbers below.
// Only the part of the master inside `region` is shown (all of it when the region is empty).
gfx::Bitmap drawContactSheet(const skin::LoadedSkin& skin, int scale, gfx::Rect region = {});

}  // namespace skintool
