#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Classic 3-D borders in the system colours. With BF_ADJUST, *r shrinks by the border drawn.
BOOL DrawEdge(HDC dc, RECT* r, UINT edge, UINT flags);

}  // namespace plat
