#pragma once

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "gfx/region.h"
#include "plat/gdi/gdi_types.h"

namespace plat::gdi {

// Pixel-level helpers shared by the drawing calls (internal).

// Writes a colour to any depth; palette bitmaps get the nearest palette entry.
void writePixel(gfx::Bitmap& b, int x, int y, COLORREF c);
inline COLORREF readPixel(const gfx::Bitmap& b, int x, int y) { return b.pixel(x, y); }

// Ternary raster operation on 24-bit colours: rop's third byte is the truth table indexed by
// pattern*4 + source*2 + destination.
COLORREF applyRop3(DWORD rop, COLORREF pattern, COLORREF source, COLORREF dest);
bool ropUsesSource(DWORD rop);
bool ropUsesPattern(DWORD rop);
// Binary raster operation (R2_*) of a pen colour onto a destination.
COLORREF applyRop2(int rop2, COLORREF pen, COLORREF dest);

// Calls f(rect) for every part of r that lies inside clip.
template <class F>
void forEachClipped(const gfx::Region& clip, const gfx::Rect& r, F&& f)
{
    if (r.empty() || !clip.bounds().intersects(r)) return;
    for (const gfx::Rect& c : clip.rects()) {
        if (c.top >= r.bottom) break;
        gfx::Rect part = c.intersected(r);
        if (!part.empty()) f(part);
    }
}

// Sets one pixel through rop2 if the clip allows it.
void plotRop2(gfx::Bitmap& b, const gfx::Region& clip, int x, int y, COLORREF pen, int rop2);
// Fills a rectangle (pixel coordinates, inside the bitmap) with one colour through rop2.
void fillRectRop2(gfx::Bitmap& b, const gfx::Rect& r, COLORREF color, int rop2);
// The same, clipped.
void fillRop2(gfx::Bitmap& b, const gfx::Region& clip, const gfx::Rect& r, COLORREF color, int rop2);

}  // namespace plat::gdi
