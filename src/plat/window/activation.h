#pragma once

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Activation as the window system does it for clicks, showing and hiding.
bool Activate(HWND topLevel, bool byMouse);
// When `leaving` is active (being hidden, minimised or destroyed), passes activation to its owner
// or the next visible top-level window, or to nobody.
void ActivateOtherThan(HWND leaving);
// Another program took the keyboard: the active window turns inactive (WM_ACTIVATEAPP FALSE), the
// focus goes, and keys held down count as released (their releases go to the other program).
void DeactivateApplication();

}  // namespace plat
