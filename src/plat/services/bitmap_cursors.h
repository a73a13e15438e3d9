#pragma once

#include <cstdint>
#include <vector>

#include "plat/gdi/gdi_types.h"
#include "plat/gdi/icons.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Cursors made from pictures. Their handles lie above 0xFFFF, clear of the standard cursors
// (whose handle is their IDC_ id, see input.h), and SetCursor takes both kinds.
// The classic two planes, rows padded to 16 bits, most significant bit first: AND 1 keeps the
// screen (XOR 1 there inverts it, shown black by backends that cannot invert), AND 0 paints the
// XOR bit (1 white, 0 black).
HCURSOR CreateCursor(int xHotSpot, int yHotSpot, int width, int height, const void* andPlane, const void* xorPlane);
// From a colour bitmap and a mask (as icons.h describes): ICONINFO's hot spot counts.
HCURSOR CreateCursorIndirect(const ICONINFO* info);
// From straight ARGB pixels (0xAARRGGBB, rows top-down).
HCURSOR CreateCursorFromPixels(int width, int height, const std::uint32_t* argb, POINT hotSpot);
BOOL DestroyCursor(HCURSOR cursor);  // FALSE for standard cursors and stale handles

// What a backend shows for a made cursor; null for standard cursors and stale handles.
struct CursorImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // 0xAARRGGBB, rows top-down; alpha 0 or 255
    POINT hotSpot;
};
const CursorImage* CursorImageOf(HCURSOR cursor);

constexpr int kMaxCursorSide = 256;

}  // namespace plat
