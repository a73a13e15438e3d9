#pragma once

#include "fw/graphics/canvas.h"
#include "fw/graphics/geometry.h"

namespace paint {

// A dotted focus frame: black dots every third pixel along the rectangle's edges (its right and
// bottom lines included), each with a white dot up and to the left of it.
void DrawFocusDots(fw::TCanvas& canvas, const fw::TRect& rect);

}  // namespace paint
