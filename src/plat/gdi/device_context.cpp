#include "plat/gdi/device_context.h"

#include "plat/gdi/gdi_object.h"
#include "plat/gdi/objects.h"
#include "plat/state/run_state.h"

namespace plat::gdi {

HandleTable<HDC, DeviceContext>& dcTable() { return RunPart<HandleTable<HDC, DeviceContext>>(); }

DeviceContext* dc(HDC h) { return dcTable().get(h); }

DcState defaultState(bool memory)
{
    DcState s;
    s.pen = HPEN(stockObject(BLACK_PEN));
    s.brush = HBRUSH(stockObject(WHITE_BRUSH));
    s.font = HFONT(stockObject(SYSTEM_FONT));
    if (memory) s.bitmap = defaultBitmap();
    return s;
}

gfx::Region visiblePixels(const DeviceContext& d)
{
    if (d.memory) {
        const gfx::Bitmap* b = BitmapPixels(d.state.bitmap);
        return b ? gfx::Region(b->rect()) : gfx::Region();
    }
    if (!d.surface) return {};
    return d.visible.intersected(d.surface->rect());
}

Target target(const DeviceContext& d)
{
    Target t;
    t.bitmap = d.memory ? BitmapPixels(d.state.bitmap) : d.surface;
    if (!t.bitmap || t.bitmap->empty()) {
        t.bitmap = nullptr;
        return t;
    }
    t.deviceToPixel = d.memory ? gfx::Point{} : d.origin;
    t.offset = t.deviceToPixel + d.state.viewportOrg - d.state.windowOrg;
    t.clip = visiblePixels(d);
    if (d.state.clip) t.clip = t.clip.intersected(d.state.clip->offset(t.deviceToPixel));
    return t;
}

bool isSelected(HGDIOBJ h)
{
    bool found = false;
    auto uses = [&](const DcState& s) {
        return HGDIOBJ(s.pen) == h || HGDIOBJ(s.brush) == h || HGDIOBJ(s.font) == h || HGDIOBJ(s.bitmap) == h;
    };
    dcTable().forEach([&](HDC, const DeviceContext& d) {
        if (found) return;
        if (uses(d.state)) found = true;
        for (const DcState& s : d.saved)
            if (uses(s)) found = true;
    });
    return found;
}

}  // namespace plat::gdi
