#pragma once

#include "plat/messages.h"
#include "plat/window/window_object.h"

namespace plat {

// Window sizes are kept within [0, kMaxWindowSize] so that a surface never exceeds what a bitmap may hold.
constexpr int kMaxWindowSize = 8192;
RECT ClampWindowRect(RECT r);
// The default WM_GETMINMAXINFO answer: maximised over the work area with the borders outside it.
MINMAXINFO DefaultMinMaxInfo(const Window& w);

}  // namespace plat
