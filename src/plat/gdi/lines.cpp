#include "plat/gdi/lines.h"

#include <cstdlib>

#include "plat/gdi/paint.h"
#include "plat/gdi/raster.h"

namespace plat {

using namespace gdi;

namespace {

// On/off run lengths of the styled pens.
bool styleOn(int style, int step)
{
    switch (style) {
    case PS_DOT: return step % 6 < 3;
    case PS_DASH: return step % 24 < 18;
    default: return true;
    }
}

// Bresenham from a to b in target pixels, without b itself.
void drawSegment(const Drawable& d, const PenPaint& pen, gfx::Point a, gfx::Point b)
{
    gfx::Bitmap& out = *d.target.bitmap;
    const gfx::Region& clip = d.target.clip;
    int rop2 = d.dc->state.rop2;
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    int stepX = a.x < b.x ? 1 : -1, stepY = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x, y = a.y;
    int half = pen.width / 2;
    for (int step = 0; x != b.x || y != b.y; ++step) {
        if (styleOn(pen.style, step)) {
            if (pen.width <= 1)
                plotRop2(out, clip, x, y, pen.color, rop2);
            else
                fillRop2(out, clip, {x - half, y - half, x - half + pen.width, y - half + pen.width}, pen.color, rop2);
        }
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += stepX;
        }
        if (e2 <= dx) {
            err += dx;
            y += stepY;
        }
    }
}

}  // namespace

BOOL MoveToEx(HDC h, int x, int y, POINT* previous)
{
    DeviceContext* d = dc(h);
    if (!d) return 0;
    if (previous) *previous = d->state.position;
    d->state.position = {x, y};
    return 1;
}

BOOL GetCurrentPositionEx(HDC h, POINT* position)
{
    DeviceContext* d = dc(h);
    if (!d || !position) return 0;
    *position = d->state.position;
    return 1;
}

BOOL LineTo(HDC h, int x, int y)
{
    Drawable d = drawable(h);
    if (!d.dc) return 0;
    POINT from = d.dc->state.position;
    d.dc->state.position = {x, y};
    if (!d) return 1;
    PenPaint pen = penPaint(*d.dc);
    if (pen.null) return 1;
    drawSegment(d, pen, from + d.target.offset, gfx::Point{x, y} + d.target.offset);
    return 1;
}

BOOL Polyline(HDC h, const POINT* points, int count)
{
    if (!dc(h) || !points || count < 2) return 0;
    DeviceContext* d = dc(h);
    POINT saved = d->state.position;
    MoveToEx(h, points[0].x, points[0].y, nullptr);
    for (int i = 1; i < count; ++i) LineTo(h, points[i].x, points[i].y);
    d->state.position = saved;
    return 1;
}

BOOL PolyPolyline(HDC h, const POINT* points, const DWORD* counts, DWORD polylines)
{
    if (!dc(h) || !points || !counts) return 0;
    std::size_t at = 0;
    for (DWORD i = 0; i < polylines; ++i) {
        if (counts[i] < 2) return 0;
        Polyline(h, points + at, int(counts[i]));
        at += counts[i];
    }
    return 1;
}

}  // namespace plat
