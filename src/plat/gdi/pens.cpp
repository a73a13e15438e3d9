#include "plat/gdi/gdi_object.h"
#include "plat/gdi/objects.h"

namespace plat {

using namespace gdi;

HPEN CreatePen(int style, int width, COLORREF color)
{
    if (style < PS_SOLID || style > PS_NULL) style = PS_SOLID;
    return HPEN(addObject({PenData{style, width < 1 ? 1 : width, color & 0xFFFFFF}}));
}

}  // namespace plat
