#pragma once

#include "gfx/region.h"
#include "plat/window/window_object.h"

namespace plat {

// Adding to and taking from update regions (window coordinates). Children: Default follows
// WS_CLIPCHILDREN (a parent that does not clip its children paints over them, so they must
// paint again), All always reaches them, None never.
enum class ChildUpdate { Default, All, None };
void AddUpdate(Window& w, const gfx::Region& area, bool erase, ChildUpdate children, bool frame);
void RemoveUpdate(Window& w, const gfx::Region& area, ChildUpdate children);
// Everything of a window, frame and children included, needs painting.
void InvalidateWhole(Window& w);
// The area a window covers in its parent needs painting again (after it moved, hid or changed shape).
void InvalidateInParent(Window& w, const gfx::Region& parentClientArea);

bool NeedsPaint(const Window& w);
// The first window needing WM_PAINT (parents before children, lower siblings first), within
// `filter` and its children when given.
HWND FindWindowToPaint(HWND filter);
// Sends WM_PAINT; a procedure that paints nothing has its update region dropped so that the
// loop does not ask again for ever.
void PaintWindowNow(HWND hwnd);

}  // namespace plat
