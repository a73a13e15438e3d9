#include "plat/gdi/dc.h"
#include "plat/gdi/device_context.h"
#include "plat/gdi/gdi_object.h"
#include "plat/gdi/regions.h"

namespace plat {

using namespace gdi;

HDC CreateCompatibleDC(HDC)
{
    auto d = std::make_unique<DeviceContext>();
    d->memory = true;
    d->state = defaultState(true);
    return dcTable().add(std::move(d));
}

BOOL DeleteDC(HDC h)
{
    return dcTable().remove(h) ? 1 : 0;
}

namespace {

// A bitmap lives in one memory DC at a time.
bool bitmapInOtherDC(HBITMAP b, const DeviceContext* self)
{
    if (HGDIOBJ(b) == HGDIOBJ(defaultBitmap())) return false;
    bool found = false;
    dcTable().forEach([&](HDC, const DeviceContext& d) {
        if (&d != self && d.state.bitmap == b) found = true;
    });
    return found;
}

}  // namespace

HGDIOBJ SelectObject(HDC h, HGDIOBJ obj)
{
    DeviceContext* d = dc(h);
    GdiObject* o = object(obj);
    if (!d || !o) return {};
    DcState& s = d->state;
    if (std::holds_alternative<PenData>(o->data)) {
        HGDIOBJ old = s.pen;
        s.pen = HPEN(obj);
        return old;
    }
    if (std::holds_alternative<BrushData>(o->data)) {
        HGDIOBJ old = s.brush;
        s.brush = HBRUSH(obj);
        return old;
    }
    if (std::holds_alternative<FontData>(o->data)) {
        HGDIOBJ old = s.font;
        s.font = HFONT(obj);
        return old;
    }
    if (std::holds_alternative<BitmapData>(o->data)) {
        if (!d->memory || bitmapInOtherDC(HBITMAP(obj), d)) return {};
        HGDIOBJ old = s.bitmap;
        s.bitmap = HBITMAP(obj);
        return old;
    }
    if (std::holds_alternative<RegionData>(o->data)) {
        // Selecting a region sets the clip region; the result is the region type as a value.
        return HGDIOBJ(std::uint64_t(SelectClipRgn(h, HRGN(obj))));
    }
    return {};
}

HGDIOBJ GetCurrentObject(HDC h, UINT kind)
{
    DeviceContext* d = dc(h);
    if (!d) return {};
    switch (kind) {
    case OBJ_PEN: return d->state.pen;
    case OBJ_BRUSH: return d->state.brush;
    case OBJ_FONT: return d->state.font;
    case OBJ_BITMAP: return d->state.bitmap;
    default: return {};
    }
}

}  // namespace plat
