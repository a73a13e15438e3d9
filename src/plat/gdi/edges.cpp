#include "plat/gdi/edges.h"

#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/paint.h"
#include "plat/gdi/raster.h"
#include "plat/system/sys_colors.h"

namespace plat {

using namespace gdi;

namespace {

struct RingColors {
    COLORREF topLeft;
    COLORREF bottomRight;
};

// One-pixel ring; the bottom/right lines are drawn last so they own the two shared corners.
void drawRing(const Drawable& d, const gfx::Rect& r, UINT flags, RingColors c)
{
    gfx::Bitmap& out = *d.target.bitmap;
    gfx::Rect p = r.offset(d.target.offset);
    auto line = [&](gfx::Rect l, COLORREF color) { fillRop2(out, d.target.clip, l, color, R2_COPYPEN); };
    if (flags & BF_TOP) line({p.left, p.top, p.right, p.top + 1}, c.topLeft);
    if (flags & BF_LEFT) line({p.left, p.top, p.left + 1, p.bottom}, c.topLeft);
    if (flags & BF_BOTTOM) line({p.left, p.bottom - 1, p.right, p.bottom}, c.bottomRight);
    if (flags & BF_RIGHT) line({p.right - 1, p.top, p.right, p.bottom}, c.bottomRight);
}

gfx::Rect inset(gfx::Rect r, UINT flags)
{
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
    return r;
}

}  // namespace

BOOL DrawEdge(HDC h, RECT* rect, UINT edge, UINT flags)
{
    Drawable d = drawable(h);
    if (!d.dc || !rect) return 0;
    bool hasOuter = edge & BDR_OUTER, hasInner = edge & BDR_INNER;
    RingColors outer{}, inner{};
    if (flags & BF_MONO) {
        outer = {GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)};
        inner = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)};
    } else if (flags & BF_FLAT) {
        outer = {GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)};
        inner = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)};
    } else {
        bool soft = flags & BF_SOFT;
        if (edge & BDR_RAISEDOUTER)
            outer = {GetSysColor(soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)};
        else
            outer = {GetSysColor(soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)};
        if (edge & BDR_RAISEDINNER)
            inner = {GetSysColor(soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)};
        else
            inner = {GetSysColor(soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
    }

    gfx::Rect r = *rect;
    if (d) {
        if (hasOuter) drawRing(d, r, flags, outer);
        gfx::Rect afterOuter = hasOuter ? inset(r, flags) : r;
        if (hasInner) drawRing(d, afterOuter, flags, inner);
        gfx::Rect middle = hasInner ? inset(afterOuter, flags) : afterOuter;
        if ((flags & BF_MIDDLE) && !middle.empty()) {
            COLORREF fill = GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
            fillRop2(*d.target.bitmap, d.target.clip, middle.offset(d.target.offset), fill, R2_COPYPEN);
        }
    }
    if (flags & BF_ADJUST) {
        if (hasOuter) r = inset(r, flags);
        if (hasInner) r = inset(r, flags);
        *rect = r;
    }
    return 1;
}

}  // namespace plat
