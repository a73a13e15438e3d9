#pragma once

#include "plat/handle.h"

namespace plat {

// What the core tells the running modal loops: a window went (loops it owns end), the mouse
// went to `now` (loops holding it for another window end).
void ModalLoopsWindowGone(HWND gone);
void ModalLoopsCaptureMoved(HWND now);

}  // namespace plat
