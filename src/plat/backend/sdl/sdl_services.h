#pragma once

#include <cstdint>
#include <map>

#include <SDL2/SDL.h>

#include "plat/handle.h"

namespace plat {

// The desktop's own services behind ours: the clipboard's text goes to the system clipboard.
void ConnectDesktopServices();
void DisconnectDesktopServices();

// An SDL cursor for one of our picture cursors, made once and kept in `made`; null for standard
// cursors (and when picture cursors are not in the build).
SDL_Cursor* PictureCursor(HCURSOR cursor, std::map<std::uint64_t, SDL_Cursor*>& made);

}  // namespace plat
