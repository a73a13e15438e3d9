#pragma once

#include "plat/handle.h"

namespace plat {

// How one of our top-level windows should sit on the user's desktop.
struct WindowKind {
    bool popupMenu = false;  // menus and tips: above everything, never focused, outside the task bar
    bool inTaskBar = true;   // ownerless application windows (and any with WS_EX_APPWINDOW)
    bool topMost = false;
    HWND owner;
};
WindowKind KindOfWindow(HWND hwnd);

}  // namespace plat
