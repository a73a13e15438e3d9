#pragma once

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Installs the plain look and behaviour of unskinned windows into the default window procedure:
// frame drawing, hit-testing, caption buttons, moving and sizing, system commands, scroll bars.
void InstallPlainFrame();

// The system menu lives elsewhere: SC_KEYMENU (Alt+Space) and SC_MOUSEMENU (a click on the icon)
// call this handler when one is set.
using SystemMenuHandler = void (*)(HWND, WPARAM command, LPARAM lParam);
void SetSystemMenuHandler(SystemMenuHandler handler);

}  // namespace plat
