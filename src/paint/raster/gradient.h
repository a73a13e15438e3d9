#pragma once

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "skin/model/general_data.h"

namespace paint {

// Fills the rectangle (cut to the bitmap) with the steps' bands: mode 0 of the first step lays
// them down the rows (offset moves the bands, as for a control inside its parent's gradient),
// mode 1 across the columns; each band starts on the previous band's last line. Mode 2 joins five
// points (the corners and the centre) by four shaded triangles.
void PaintGradient(gfx::Bitmap& bitmap, gfx::Rect rect, const skin::TsGradArray& steps, int offset);

}  // namespace paint
