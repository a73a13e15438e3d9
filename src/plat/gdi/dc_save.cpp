#include "plat/gdi/dc.h"
#include "plat/gdi/device_context.h"
#include "plat/gdi/gdi_object.h"

namespace plat {

using namespace gdi;

int SaveDC(HDC h)
{
    DeviceContext* d = dc(h);
    if (!d) return 0;
    d->saved.push_back(d->state);
    return int(d->saved.size());
}

BOOL RestoreDC(HDC h, int level)
{
    DeviceContext* d = dc(h);
    if (!d || level == 0) return 0;
    int count = int(d->saved.size());
    int target = level < 0 ? count + level + 1 : level;  // -1: the last save
    if (target < 1 || target > count) return 0;
    DcState restored = std::move(d->saved[std::size_t(target - 1)]);
    d->saved.resize(std::size_t(target - 1));
    // A bitmap selected into another DC since the save stays there; keep the current one.
    bool taken = false;
    dcTable().forEach([&](HDC other, const DeviceContext& o) {
        if (other != h && restored.bitmap && o.state.bitmap == restored.bitmap &&
            HGDIOBJ(restored.bitmap) != HGDIOBJ(defaultBitmap()))
            taken = true;
    });
    if (taken) restored.bitmap = d->state.bitmap;
    d->state = std::move(restored);
    return 1;
}

}  // namespace plat
