#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Our own plain 32x32 icons of message boxes, drawn in code: a red disc with a white cross
// (error), a yellow triangle with "!" (warning), a white disc with a blue "?" (question), a white
// disc with a blue "i" (information). The caller destroys the icon; null for other flags.
HICON CreateMessageBoxIcon(UINT iconFlags);
constexpr int kMessageBoxIconSize = 32;

}  // namespace plat
