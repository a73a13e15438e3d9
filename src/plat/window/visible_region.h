#pragma once

#include "gfx/region.h"
#include "plat/window/window_object.h"

namespace plat {

// The pixels a window may draw on, in the surface of its top-level window: its window (frame
// true) or client rectangle, cut by its shape, by every parent's client area and shape, by
// siblings above it where WS_CLIPSIBLINGS asks, and by its own children when clipChildren.
gfx::Region VisibleRegion(const Window& w, bool frame, bool clipChildren, bool clipSiblings);
inline gfx::Region VisibleRegion(const Window& w, bool frame)
{
    return VisibleRegion(w, frame, (w.style & WS_CLIPCHILDREN) != 0, (w.style & WS_CLIPSIBLINGS) != 0);
}
// A window's rectangle cut by its shape, in its parent's client coordinates.
gfx::Region ShapeInParent(const Window& w);

}  // namespace plat
