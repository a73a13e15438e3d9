#include "plat/gdi/dc.h"
#include "plat/gdi/device_context.h"

namespace plat {

using namespace gdi;

namespace {

BOOL setPoint(HDC h, POINT DcState::*field, POINT value, POINT* previous)
{
    DeviceContext* d = dc(h);
    if (!d) return 0;
    if (previous) *previous = d->state.*field;
    d->state.*field = value;
    return 1;
}

BOOL getPoint(HDC h, POINT DcState::*field, POINT* out)
{
    DeviceContext* d = dc(h);
    if (!d || !out) return 0;
    *out = d->state.*field;
    return 1;
}

}  // namespace

BOOL SetViewportOrgEx(HDC h, int x, int y, POINT* previous) { return setPoint(h, &DcState::viewportOrg, {x, y}, previous); }

BOOL OffsetViewportOrgEx(HDC h, int dx, int dy, POINT* previous)
{
    DeviceContext* d = dc(h);
    if (!d) return 0;
    POINT o = d->state.viewportOrg;
    return setPoint(h, &DcState::viewportOrg, {o.x + dx, o.y + dy}, previous);
}

BOOL GetViewportOrgEx(HDC h, POINT* origin) { return getPoint(h, &DcState::viewportOrg, origin); }
BOOL SetWindowOrgEx(HDC h, int x, int y, POINT* previous) { return setPoint(h, &DcState::windowOrg, {x, y}, previous); }
BOOL GetWindowOrgEx(HDC h, POINT* origin) { return getPoint(h, &DcState::windowOrg, origin); }
BOOL SetBrushOrgEx(HDC h, int x, int y, POINT* previous) { return setPoint(h, &DcState::brushOrg, {x, y}, previous); }
BOOL GetBrushOrgEx(HDC h, POINT* origin) { return getPoint(h, &DcState::brushOrg, origin); }

BOOL LPtoDP(HDC h, POINT* points, int count)
{
    DeviceContext* d = dc(h);
    if (!d || (!points && count > 0)) return 0;
    POINT shift = d->state.viewportOrg - d->state.windowOrg;
    for (int i = 0; i < count; ++i) points[i] = points[i] + shift;
    return 1;
}

BOOL DPtoLP(HDC h, POINT* points, int count)
{
    DeviceContext* d = dc(h);
    if (!d || (!points && count > 0)) return 0;
    POINT shift = d->state.viewportOrg - d->state.windowOrg;
    for (int i = 0; i < count; ++i) points[i] = points[i] - shift;
    return 1;
}

}  // namespace plat
