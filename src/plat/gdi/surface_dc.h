#pragma once

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "gfx/region.h"
#include "plat/handle.h"

namespace plat {

// DCs for the window system. A surface DC draws onto part of a window surface: `origin` is
// where the DC's device (0,0) lies in the surface; `visible` is the pixels it may touch, in
// surface coordinates (window region, clipped children/siblings and update region already
// applied). Device coordinates = surface coordinates - origin. DeleteDC frees it; the surface
// must outlive the DC or be replaced through SetSurfaceDCVisible/SetSurfaceDCTarget.
HDC CreateSurfaceDC(gfx::Bitmap* surface, gfx::Point origin, const gfx::Region& visible);
void SetSurfaceDCVisible(HDC dc, gfx::Point origin, const gfx::Region& visible);
void SetSurfaceDCTarget(HDC dc, gfx::Bitmap* surface);
// Default objects, colours, origins, no clip region and no saved states: GetDC's fresh state.
void ResetDCState(HDC dc);
// True while the handle names a live DC.
bool IsDC(HDC dc);

}  // namespace plat
