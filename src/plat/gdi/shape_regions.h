#pragma once

#include "gfx/geometry.h"
#include "gfx/region.h"

namespace plat::gdi {

// Pixel sets of simple shapes (internal).
gfx::Region ellipseRegion(const gfx::Rect& box);
// The band of `area` within w pixels (horizontally) or h pixels (vertically) of its outside.
gfx::Region frameOf(const gfx::Region& area, int w, int h);

}  // namespace plat::gdi
