#include "plat/gdi/paint.h"

#include "plat/gdi/raster.h"
#include "plat/system/sys_colors.h"

namespace plat::gdi {

namespace {

int wrap(int v, int n)
{
    int r = v % n;
    return r < 0 ? r + n : r;
}

bool monoBit(const gfx::Bitmap& b, int x, int y) { return (b.row(y)[x / 8] >> (7 - (x & 7))) & 1; }

}  // namespace

COLORREF BrushPaint::at(int x, int y) const
{
    if (!pattern) return solid;
    int px = wrap(x - origin.x, pattern->width()), py = wrap(y - origin.y, pattern->height());
    if (pattern->bitsPerPixel() == 1) return monoBit(*pattern, px, py) ? background : foreground;
    return pattern->pixel(px, py);
}

BrushPaint brushPaint(const DeviceContext& d, const Target& t, HBRUSH brush)
{
    BrushPaint p;
    // Handles of generation 0 never come from the table: the classic "colour index + 1" brush.
    if (brush && brush.generation() == 0) {
        int index = int(brush.value) - 1;
        if (index < 0 || index >= kSysColorCount) return p;
        p.null = false;
        p.solid = GetSysColor(index);
        return p;
    }
    const BrushData* b = objectAs<BrushData>(brush);
    if (!b || b->style == BS_NULL) return p;
    p.null = false;
    if (b->style == BS_PATTERN && !b->pattern.empty()) {
        p.pattern = &b->pattern;
        p.foreground = d.state.textColor;
        p.background = d.state.bkColor;
        p.origin = d.state.brushOrg + t.deviceToPixel;
    } else {
        p.solid = b->sysColor == -2 ? d.state.dcBrushColor : brushColor(*b);
    }
    return p;
}

PenPaint penPaint(const DeviceContext& d)
{
    PenPaint p;
    const PenData* pen = objectAs<PenData>(d.state.pen);
    if (!pen || pen->style == PS_NULL) return p;
    p.null = false;
    p.color = pen->color == CLR_INVALID ? d.state.dcPenColor : pen->color;
    p.width = pen->width;
    p.style = pen->style;
    return p;
}

void paintArea(gfx::Bitmap& b, const gfx::Region& area, const BrushPaint& brush, int rop2)
{
    if (brush.null) return;
    if (!brush.pattern) {
        for (const gfx::Rect& r : area.rects()) fillRectRop2(b, r, brush.solid, rop2);
        return;
    }
    for (const gfx::Rect& r : area.rects())
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                writePixel(b, x, y, applyRop2(rop2, brush.at(x, y), readPixel(b, x, y)));
}

Drawable drawable(HDC h)
{
    Drawable d;
    d.dc = dc(h);
    if (d.dc) d.target = target(*d.dc);
    return d;
}

}  // namespace plat::gdi
