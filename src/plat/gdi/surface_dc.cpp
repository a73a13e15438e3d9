#include "plat/gdi/surface_dc.h"

#include "plat/gdi/dc.h"
#include "plat/gdi/device_context.h"

namespace plat {

using namespace gdi;

HDC CreateSurfaceDC(gfx::Bitmap* surface, gfx::Point origin, const gfx::Region& visible)
{
    auto d = std::make_unique<DeviceContext>();
    d->memory = false;
    d->surface = surface;
    d->origin = origin;
    d->visible = visible;
    d->state = defaultState(false);
    return dcTable().add(std::move(d));
}

void SetSurfaceDCVisible(HDC h, gfx::Point origin, const gfx::Region& visible)
{
    DeviceContext* d = dc(h);
    if (!d || d->memory) return;
    d->origin = origin;
    d->visible = visible;
}

void SetSurfaceDCTarget(HDC h, gfx::Bitmap* surface)
{
    DeviceContext* d = dc(h);
    if (!d || d->memory) return;
    d->surface = surface;
}

void ResetDCState(HDC h)
{
    DeviceContext* d = dc(h);
    if (!d) return;
    d->state = defaultState(d->memory);
    d->saved.clear();
}

bool IsDC(HDC h) { return dc(h) != nullptr; }

}  // namespace plat
