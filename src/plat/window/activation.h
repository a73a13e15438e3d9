#pragma once

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Activation as the window system does it for clicks, showing and hiding.
bool Activate(HWND topLevel, bool byMouse);
// When `leaving` is active (being hidden, minimised or destroyed), passes activation to its owner
// or the next visible top-level window, or to nobody.
void ActivateOtherThan(HWND leaving);

}  // namespace plat
