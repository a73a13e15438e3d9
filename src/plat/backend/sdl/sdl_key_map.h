#pragma once

#include <SDL2/SDL_scancode.h>

#include "plat/types.h"

namespace plat {

// The virtual-key code of a physical key, 0 for keys we do not report. Letters follow the
// key's position, as virtual keys do under a Cyrillic layout; the typed text comes separately.
UINT VirtualKeyFromScancode(SDL_Scancode scancode);

}  // namespace plat
