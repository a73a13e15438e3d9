#pragma once

#include <optional>

#include "gfx/bitmap.h"
#include "gfx/region.h"
#include "plat/handle.h"
#include "plat/messages.h"

namespace plat {

// What the backends and the non-client code ask of the window core, so that they need not know
// how it keeps its windows.

// The bitmap a window draws into (the surface of its top-level window) and where the window's
// top-left corner lies in it. Nothing for a stale handle or a window not yet given a surface.
struct WindowSurface {
    HWND topLevel;
    const gfx::Bitmap* bitmap = nullptr;
    gfx::Point origin;  // of the window rectangle, in the surface
    gfx::Size size;     // of the window rectangle
};
std::optional<WindowSurface> SurfaceOfWindow(HWND hwnd);

// The caret where it is shown, blinking aside: the part of its rectangle that its window shows,
// in the surface of the caret's top-level window. Nothing when there is no caret, it is hidden
// or nothing of it can be seen.
struct ShownCaret {
    HWND topLevel;
    gfx::Region area;
};
std::optional<ShownCaret> VisibleCaret();

// The size limits a window gets before its procedure answers WM_GETMINMAXINFO: maximised over
// the work area with the borders outside it, and the system's tracking limits.
MINMAXINFO DefaultSizeLimits(HWND hwnd);

}  // namespace plat
