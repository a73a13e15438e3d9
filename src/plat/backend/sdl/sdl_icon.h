#pragma once

#include <SDL2/SDL.h>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// An icon of ours as an SDL surface with alpha (the caller frees it); null for no icon.
SDL_Surface* SurfaceFromIcon(HICON icon);

}  // namespace plat
