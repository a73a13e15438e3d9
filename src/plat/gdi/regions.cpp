#include "plat/gdi/regions.h"

#include <algorithm>

#include "plat/gdi/gdi_object.h"
#include "plat/gdi/shape_regions.h"

namespace plat {

using namespace gdi;

namespace {

gfx::Rect ordered(int left, int top, int right, int bottom)
{
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

int regionType(const gfx::Region& r)
{
    if (r.empty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

HRGN CreateRegionFromPixels(const gfx::Region& region) { return HRGN(addObject({RegionData{region}})); }

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return CreateRegionFromPixels(gfx::Region(ordered(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* r)
{
    if (!r) return {};
    return CreateRectRgn(r->left, r->top, r->right, r->bottom);
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return CreateRegionFromPixels(ellipseRegion(ordered(left, top, right, bottom)));
}

const gfx::Region* RegionOf(HRGN rgn)
{
    RegionData* r = objectAs<RegionData>(rgn);
    return r ? &r->region : nullptr;
}

BOOL SetRegionPixels(HRGN rgn, const gfx::Region& region)
{
    RegionData* r = objectAs<RegionData>(rgn);
    if (!r) return 0;
    r->region = region;
    return 1;
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode)
{
    RegionData* d = objectAs<RegionData>(dest);
    const gfx::Region* ra = RegionOf(a);
    if (!d || !ra) return ERROR;
    if (mode == RGN_COPY) {
        d->region = *ra;
        return regionType(d->region);
    }
    const gfx::Region* rb = RegionOf(b);
    if (!rb) return ERROR;
    switch (mode) {
    case RGN_AND: d->region = ra->intersected(*rb); break;
    case RGN_OR: d->region = ra->united(*rb); break;
    case RGN_XOR: d->region = ra->xored(*rb); break;
    case RGN_DIFF: d->region = ra->subtracted(*rb); break;
    default: return ERROR;
    }
    return regionType(d->region);
}

int OffsetRgn(HRGN rgn, int dx, int dy)
{
    RegionData* r = objectAs<RegionData>(rgn);
    if (!r) return ERROR;
    r->region = r->region.offset(dx, dy);
    return regionType(r->region);
}

BOOL PtInRegion(HRGN rgn, int x, int y)
{
    const gfx::Region* r = RegionOf(rgn);
    return r && r->contains({x, y}) ? 1 : 0;
}

BOOL RectInRegion(HRGN rgn, const RECT* rect)
{
    const gfx::Region* r = RegionOf(rgn);
    if (!r || !rect) return 0;
    return r->intersects(ordered(rect->left, rect->top, rect->right, rect->bottom)) ? 1 : 0;
}

BOOL EqualRgn(HRGN a, HRGN b)
{
    const gfx::Region* ra = RegionOf(a);
    const gfx::Region* rb = RegionOf(b);
    if (!ra || !rb) return ERROR;
    return *ra == *rb ? 1 : 0;
}

int GetRgnBox(HRGN rgn, RECT* box)
{
    const gfx::Region* r = RegionOf(rgn);
    if (!r || !box) return ERROR;
    *box = r->empty() ? RECT{} : r->bounds();
    return regionType(*r);
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom)
{
    return SetRegionPixels(rgn, gfx::Region(ordered(left, top, right, bottom)));
}

}  // namespace plat
