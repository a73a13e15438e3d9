#pragma once

#include "fw/graphics/canvas.h"
#include "fw/graphics/color.h"

namespace fw {

// Draws `width` rings of a raised or sunken edge inside `rect` (top and left in `topLeft`,
// bottom and right in `bottomRight`) and leaves `rect` the inside.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);

}  // namespace fw
