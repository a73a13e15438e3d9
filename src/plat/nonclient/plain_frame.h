#pragma once

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Installs the plain look and behaviour of unskinned windows into the default window procedure:
// frame drawing, hit-testing, caption buttons, moving and sizing, system commands, scroll bars.
void InstallPlainFrame();

// Whether the window may be closed by its close box, Alt+F4 or SC_CLOSE: not for classes with
// CS_NOCLOSE, nor for windows whose close was switched off (the close box is then drawn disabled).
bool CanCloseWindow(HWND hwnd);
void EnableWindowClose(HWND hwnd, bool enable);

// The system menu lives elsewhere: SC_KEYMENU (Alt+Space) and SC_MOUSEMENU (a click on the icon)
// call this handler when one is set.
using SystemMenuHandler = void (*)(HWND, WPARAM command, LPARAM lParam);
void SetSystemMenuHandler(SystemMenuHandler handler);

}  // namespace plat
