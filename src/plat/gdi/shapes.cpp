#include "plat/gdi/shapes.h"

#include <vector>

#include "plat/gdi/lines.h"
#include "plat/gdi/paint.h"
#include "plat/gdi/raster.h"
#include "plat/gdi/regions.h"
#include "plat/gdi/shape_regions.h"

namespace plat {

using namespace gdi;

namespace {

gfx::Rect normalized(const RECT& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

// Paints a logical-coordinate area with a brush, clipped.
BOOL paintLogical(HDC h, const gfx::Region& logical, HBRUSH brushHandle, int rop2, bool useSelected)
{
    Drawable d = drawable(h);
    if (!d.dc) return 0;
    if (!d) return 1;
    HBRUSH which = useSelected ? d.dc->state.brush : brushHandle;
    BrushPaint brush = brushPaint(*d.dc, d.target, which);
    gfx::Region area = logical.offset(d.target.offset).intersected(d.target.clip);
    paintArea(*d.target.bitmap, area, brush, rop2);
    return 1;
}

void invertArea(HDC h, const gfx::Region& logical)
{
    Drawable d = drawable(h);
    if (!d) return;
    gfx::Region area = logical.offset(d.target.offset).intersected(d.target.clip);
    for (const gfx::Rect& r : area.rects()) fillRectRop2(*d.target.bitmap, r, 0, R2_NOT);
}

}  // namespace

int FillRect(HDC h, const RECT* r, HBRUSH brush)
{
    if (!r) return 0;
    return paintLogical(h, gfx::Region(normalized(*r)), brush, R2_COPYPEN, false);
}

int FrameRect(HDC h, const RECT* r, HBRUSH brush)
{
    if (!r) return 0;
    gfx::Rect n = normalized(*r);
    return paintLogical(h, frameOf(gfx::Region(n), 1, 1), brush, R2_COPYPEN, false);
}

BOOL InvertRect(HDC h, const RECT* r)
{
    if (!r || !dc(h)) return 0;
    invertArea(h, gfx::Region(normalized(*r)));
    return 1;
}

BOOL FillRgn(HDC h, HRGN rgn, HBRUSH brush)
{
    const gfx::Region* r = RegionOf(rgn);
    if (!r) return 0;
    return paintLogical(h, *r, brush, R2_COPYPEN, false);
}

BOOL FrameRgn(HDC h, HRGN rgn, HBRUSH brush, int width, int height)
{
    const gfx::Region* r = RegionOf(rgn);
    if (!r) return 0;
    return paintLogical(h, frameOf(*r, width, height), brush, R2_COPYPEN, false);
}

BOOL PaintRgn(HDC h, HRGN rgn)
{
    const gfx::Region* r = RegionOf(rgn);
    DeviceContext* d = dc(h);
    if (!r || !d) return 0;
    return paintLogical(h, *r, {}, d->state.rop2, true);
}

BOOL InvertRgn(HDC h, HRGN rgn)
{
    const gfx::Region* r = RegionOf(rgn);
    if (!r || !dc(h)) return 0;
    invertArea(h, *r);
    return 1;
}

BOOL Rectangle(HDC h, int left, int top, int right, int bottom)
{
    DeviceContext* d = dc(h);
    if (!d) return 0;
    gfx::Rect box = normalized({left, top, right, bottom});
    if (box.empty()) return 1;
    PenPaint pen = penPaint(*d);
    // Without a pen the interior reaches one pixel further up and left, as classic.
    gfx::Rect inside = pen.null ? gfx::Rect{box.left, box.top, box.right - 1, box.bottom - 1}
                                : gfx::Rect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    if (!inside.empty()) paintLogical(h, gfx::Region(inside), {}, d->state.rop2, true);
    if (!pen.null) {
        POINT saved = d->state.position;
        POINT outline[5] = {{box.left, box.top}, {box.right - 1, box.top}, {box.right - 1, box.bottom - 1},
                            {box.left, box.bottom - 1}, {box.left, box.top}};
        if (box.width() == 1 || box.height() == 1) {
            Drawable t = drawable(h);
            if (t) fillRop2(*t.target.bitmap, t.target.clip, box.offset(t.target.offset), pen.color, d->state.rop2);
        } else {
            Polyline(h, outline, 5);
        }
        d->state.position = saved;
    }
    return 1;
}

BOOL Ellipse(HDC h, int left, int top, int right, int bottom)
{
    Drawable d = drawable(h);
    if (!d.dc) return 0;
    if (!d) return 1;
    gfx::Region shape = ellipseRegion(normalized({left, top, right, bottom}));
    PenPaint pen = penPaint(*d.dc);
    gfx::Region outline = pen.null ? gfx::Region() : frameOf(shape, pen.width, pen.width);
    gfx::Region inside = shape.subtracted(outline);
    paintLogical(h, inside, {}, d.dc->state.rop2, true);
    if (!pen.null) {
        gfx::Region area = outline.offset(d.target.offset).intersected(d.target.clip);
        for (const gfx::Rect& r : area.rects()) fillRectRop2(*d.target.bitmap, r, pen.color, d.dc->state.rop2);
    }
    return 1;
}

BOOL DrawFocusRect(HDC h, const RECT* r)
{
    Drawable d = drawable(h);
    if (!d.dc || !r) return 0;
    if (!d) return 1;
    gfx::Rect box = normalized(*r);
    if (box.empty()) return 1;
    // Every other pixel of the outline, counted from the top-left corner; each pixel once.
    std::vector<gfx::Rect> dots;
    auto dot = [&](int x, int y) {
        if (((x - box.left) + (y - box.top)) % 2 == 0) dots.push_back({x, y, x + 1, y + 1});
    };
    for (int x = box.left; x < box.right; ++x) {
        dot(x, box.top);
        if (box.height() > 1) dot(x, box.bottom - 1);
    }
    for (int y = box.top + 1; y < box.bottom - 1; ++y) {
        dot(box.left, y);
        if (box.width() > 1) dot(box.right - 1, y);
    }
    invertArea(h, gfx::Region::fromRects(dots));
    return 1;
}

COLORREF SetPixel(HDC h, int x, int y, COLORREF c)
{
    Drawable d = drawable(h);
    if (!d) return CLR_INVALID;
    gfx::Point p = gfx::Point{x, y} + d.target.offset;
    if (!d.target.clip.contains(p)) return CLR_INVALID;
    writePixel(*d.target.bitmap, p.x, p.y, c & 0xFFFFFF);
    return readPixel(*d.target.bitmap, p.x, p.y);
}

BOOL SetPixelV(HDC h, int x, int y, COLORREF c) { return SetPixel(h, x, y, c) != CLR_INVALID ? 1 : 0; }

COLORREF GetPixel(HDC h, int x, int y)
{
    Drawable d = drawable(h);
    if (!d) return CLR_INVALID;
    gfx::Point p = gfx::Point{x, y} + d.target.offset;
    if (!d.target.clip.contains(p)) return CLR_INVALID;
    return readPixel(*d.target.bitmap, p.x, p.y);
}

}  // namespace plat
