#pragma once

#include "plat/messages.h"
#include "plat/window/window_object.h"

namespace plat {

// Window sizes are kept within [0, kMaxWindowSize] so that a surface never exceeds what a bitmap may hold.
constexpr int kMaxWindowSize = 8192;
// The position is kept within a million pixels of the screen. Takes the parts a caller gave, since
// x + width may not fit in an int.
RECT ClampWindowRect(int x, int y, int width, int height);
// The default WM_GETMINMAXINFO answer: maximised over the work area with the borders outside it.
MINMAXINFO DefaultMinMaxInfo(const Window& w);

}  // namespace plat
