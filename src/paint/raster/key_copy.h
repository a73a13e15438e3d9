#pragma once

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/geometry.h"
#include "paint/raster/parent_cache.h"

namespace paint {

// Copies the inclusive source rectangle (cut to the source) to (x, y), cut to the destination;
// source pixels equal to key leave the destination as it was. A key above 0xFEFFFFFF is no key.
void CopyTransRect(gfx::Bitmap& destination, const gfx::Bitmap& source, int x, int y, gfx::Color key,
                   gfx::Rect inclusive);

// As CopyTransRect, but with showParent and a ready cache a key pixel at destination (dx, dy)
// takes the cache's pixel at (X + dx, Y + dy); where that lies outside the cache it is left alone.
void CopyTransRectParent(gfx::Bitmap& destination, const gfx::Bitmap& source, int x, int y,
                         bool showParent, const TsParentCache& parent, gfx::Color key, gfx::Rect inclusive);

}  // namespace paint
