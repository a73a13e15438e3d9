#pragma once

#include "gfx/bitmap.h"

namespace plat {

// The screen as the top-level windows make it: the desktop colour (COLOR_DESKTOP), then every
// visible top-level surface from the bottom up, cut by its region, then the caret.
void ComposeScreen(gfx::Bitmap& screen);

}  // namespace plat
