#pragma once

#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/geometry.h"

namespace gfx {

class Region;

// A grey-scale coverage map: `pitch` bytes per row, 0 = untouched, 255 = full colour.
struct CoverageMap {
    const std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};

// Blends `color` over the 24- or 32-bit target by the coverage placed with its top-left at
// `at`; only pixels inside the target, `clip` and (when given) `clipRegion` change.
// Other depths are left alone.
void blendCoverage(Bitmap& target, Point at, const CoverageMap& coverage, Color color,
                   const Rect& clip, const Region* clipRegion);

// Fills `area` with `color` under the same clipping (underline and strike-out bars).
void fillClipped(Bitmap& target, const Rect& area, Color color, const Rect& clip,
                 const Region* clipRegion);

}  // namespace gfx
