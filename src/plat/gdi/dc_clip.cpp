#include "plat/gdi/dc.h"
#include "plat/gdi/device_context.h"
#include "plat/gdi/regions.h"

namespace plat {

using namespace gdi;

namespace {

int regionType(const gfx::Region& r)
{
    if (r.empty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

gfx::Point deviceToPixel(const DeviceContext& d) { return d.memory ? gfx::Point{} : d.origin; }

// Everything the DC can reach, in device coordinates.
gfx::Region deviceArea(const DeviceContext& d)
{
    gfx::Point shift = deviceToPixel(d);
    return visiblePixels(d).offset(-shift.x, -shift.y);
}

// The area drawing is allowed in, device coordinates.
gfx::Region effectiveClip(const DeviceContext& d)
{
    gfx::Region area = deviceArea(d);
    return d.state.clip ? area.intersected(*d.state.clip) : area;
}

gfx::Rect logicalToDevice(const DeviceContext& d, gfx::Rect r)
{
    gfx::Rect n{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
    return n.offset(d.state.viewportOrg - d.state.windowOrg);
}

}  // namespace

int ExtSelectClipRgn(HDC h, HRGN rgn, int mode)
{
    DeviceContext* d = dc(h);
    if (!d) return ERROR;
    if (!rgn) {
        if (mode != RGN_COPY) return ERROR;
        d->state.clip.reset();
        return regionType(effectiveClip(*d));
    }
    const gfx::Region* r = RegionOf(rgn);
    if (!r) return ERROR;
    gfx::Region current = d->state.clip ? *d->state.clip : deviceArea(*d);
    switch (mode) {
    case RGN_COPY: d->state.clip = *r; break;
    case RGN_AND: d->state.clip = current.intersected(*r); break;
    case RGN_OR: d->state.clip = current.united(*r); break;
    case RGN_XOR: d->state.clip = current.xored(*r); break;
    case RGN_DIFF: d->state.clip = current.subtracted(*r); break;
    default: return ERROR;
    }
    return regionType(effectiveClip(*d));
}

int SelectClipRgn(HDC h, HRGN rgn) { return ExtSelectClipRgn(h, rgn, RGN_COPY); }

int IntersectClipRect(HDC h, int left, int top, int right, int bottom)
{
    DeviceContext* d = dc(h);
    if (!d) return ERROR;
    gfx::Region current = d->state.clip ? *d->state.clip : deviceArea(*d);
    d->state.clip = current.intersected(logicalToDevice(*d, {left, top, right, bottom}));
    return regionType(effectiveClip(*d));
}

int ExcludeClipRect(HDC h, int left, int top, int right, int bottom)
{
    DeviceContext* d = dc(h);
    if (!d) return ERROR;
    gfx::Region current = d->state.clip ? *d->state.clip : deviceArea(*d);
    d->state.clip = current.subtracted(logicalToDevice(*d, {left, top, right, bottom}));
    return regionType(effectiveClip(*d));
}

int OffsetClipRgn(HDC h, int dx, int dy)
{
    DeviceContext* d = dc(h);
    if (!d) return ERROR;
    if (d->state.clip) d->state.clip = d->state.clip->offset(dx, dy);
    return regionType(effectiveClip(*d));
}

int GetClipBox(HDC h, RECT* box)
{
    DeviceContext* d = dc(h);
    if (!d || !box) return ERROR;
    gfx::Region clip = effectiveClip(*d);
    *box = clip.empty() ? RECT{} : clip.bounds().offset(d->state.windowOrg - d->state.viewportOrg);
    return regionType(clip);
}

int GetClipRgn(HDC h, HRGN rgn)
{
    DeviceContext* d = dc(h);
    if (!d || !RegionOf(rgn)) return -1;
    if (!d->state.clip) return 0;
    SetRegionPixels(rgn, *d->state.clip);
    return 1;
}

BOOL PtVisible(HDC h, int x, int y)
{
    DeviceContext* d = dc(h);
    if (!d) return 0;
    gfx::Point p = gfx::Point{x, y} + d->state.viewportOrg - d->state.windowOrg;
    return effectiveClip(*d).contains(p) ? 1 : 0;
}

BOOL RectVisible(HDC h, const RECT* r)
{
    DeviceContext* d = dc(h);
    if (!d || !r) return 0;
    return effectiveClip(*d).intersects(logicalToDevice(*d, *r)) ? 1 : 0;
}

}  // namespace plat
