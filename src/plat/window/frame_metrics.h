#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Sizes of the plain frame of a window by its styles (96 DPI).
struct FrameMetrics {
    int border = 0;        // each side
    int caption = 0;       // caption height, 0 without one
    bool smallCaption = false;
    int vscroll = 0;       // width of a vertical scroll bar, 0 without one
    int hscroll = 0;
};
FrameMetrics FrameMetricsFor(DWORD style, DWORD exStyle);
// Client rectangle of a window rectangle with this frame (same coordinates).
RECT ClientFromWindowRect(const RECT& window, DWORD style, DWORD exStyle);

}  // namespace plat
