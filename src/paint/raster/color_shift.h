#pragma once

#include "gfx/color.h"

namespace paint {

// The colour (system colours resolved first) with its hue turned by offset degrees.
gfx::Color ChangeHue(int offset, std::uint32_t color);
// The colour moved amount percent of the way towards its grey (negative: away from it).
gfx::Color ChangeSaturation(std::uint32_t color, int amount);

}  // namespace paint
