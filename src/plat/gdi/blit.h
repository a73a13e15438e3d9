#pragma once

#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Raster copies. Coordinates are logical in each DC; output is clipped to the destination's
// visible area and clip region. A mono source maps 0 bits to the destination's text colour and
// 1 bits to its background colour. Sources reading outside their bitmap read nothing there.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
// Negative sizes mirror. COLORONCOLOR / HALFTONE both sample the nearest source pixel.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop);
// Raster operations not using a source: PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS.
BOOL PatBlt(HDC dest, int x, int y, int width, int height, DWORD rop);

}  // namespace plat
