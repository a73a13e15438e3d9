#pragma once

#include "gfx/region.h"
#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Region objects. Calls returning a region type give NULLREGION, SIMPLEREGION, COMPLEXREGION, or
// ERROR for a stale handle.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* r);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateRegionFromPixels(const gfx::Region& region);
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);  // b is ignored for RGN_COPY
int OffsetRgn(HRGN rgn, int dx, int dy);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL RectInRegion(HRGN rgn, const RECT* r);
BOOL EqualRgn(HRGN a, HRGN b);
int GetRgnBox(HRGN rgn, RECT* box);
BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
// The pixels of a region handle; null for a stale or non-region handle.
const gfx::Region* RegionOf(HRGN rgn);
// Replaces a region's pixels; FALSE for a stale handle.
BOOL SetRegionPixels(HRGN rgn, const gfx::Region& region);

}  // namespace plat
