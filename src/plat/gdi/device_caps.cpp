#include "plat/gdi/dc.h"
#include "plat/gdi/device_context.h"
#include "plat/system/sys_metrics.h"

namespace plat {

using namespace gdi;

int GetDeviceCaps(HDC h, int index)
{
    if (!dc(h)) return 0;
    switch (index) {
    case HORZRES: return GetSystemMetrics(SM_CXSCREEN);
    case VERTRES: return GetSystemMetrics(SM_CYSCREEN);
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return 0x0001 | 0x0008 | 0x0800;  // bitblt, bitmap > 64K, stretchblt
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
    }
}

}  // namespace plat
