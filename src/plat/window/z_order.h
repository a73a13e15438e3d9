#pragma once

#include "plat/window/window_object.h"

namespace plat {

// Puts a child into its parent's list (topmost first) after `insertAfter` (HWND_TOP, HWND_BOTTOM,
// HWND_TOPMOST, HWND_NOTOPMOST or a sibling). Top-level windows keep topmost ones above the rest
// and owned windows above their owner. Answers whether the order changed.
bool InsertChild(Window& parent, HWND child, HWND insertAfter);

}  // namespace plat
