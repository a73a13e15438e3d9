#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Each top-level window's system menu: Restore, Move, Size, Minimize, Maximize, a separator and
// Close (the default item), enabled by the window's state when it opens; chosen commands reach
// the window as WM_SYSCOMMAND. revert TRUE drops a window's own copy and answers null.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);

// Opens a window's system menu at a screen point and waits for the choice (posted to it).
void ShowSystemMenu(HWND hwnd, POINT screen);

// Registers the menu window class and opens system menus for Alt+Space, a click on the caption
// icon and a right click on the caption.
void InstallMenus();

}  // namespace plat
