#pragma once

#include "plat/handle.h"
#include "plat/menus/menu_layout.h"

namespace plat {

// The "#32768" windows that show one open level of a tracked menu each. They paint the level's
// items and never take activation; the tracking loop does the rest.
struct MenuLevel {
    HMENU menu;
    HWND window;
    HWND owner;
    MenuLayout layout;
    int selected = -1;
};
void RegisterMenuWindowClass();
// The level shown by a menu window (set through CreateWindowEx's parameter); null for others.
MenuLevel* MenuLevelOf(HWND menuWindow);
// The tracking loop hears here when one of its windows goes: the menu closes. (It holds the
// mouse through its guard, which ends it when a window outside the menu takes the mouse.)
void MenuWindowGone(HWND menuWindow);

}  // namespace plat
