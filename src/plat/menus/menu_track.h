#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Showing a pop-up menu at a screen point and letting the user pick from it (a nested loop).
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;
constexpr UINT TPM_RECURSE = 0x0001;

struct TPMPARAMS {
    RECT rcExclude;  // screen area the menu must not cover
};

// The class of the menu windows, one per open level.
constexpr const char* kMenuClassName = "#32768";

// Without TPM_RETURNCMD: TRUE when an item was chosen, its command posted to the owner as
// WM_COMMAND (WM_SYSCOMMAND for a system menu). With it: the chosen command, 0 for none.
// The owner gets WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP for each level opened,
// WM_MENUSELECT while the selection moves, WM_EXITMENULOOP at the end.
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
inline BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner)
{
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}
// Closes the menu being tracked (as Escape would, all levels).
BOOL EndMenu();
// The menu shown by a "#32768" window; null for other windows.
HMENU MenuOfWindow(HWND menuWindow);
// The item rectangle in screen coordinates while its menu is open.
BOOL GetMenuItemRect(HWND owner, HMENU menu, UINT position, RECT* r);

}  // namespace plat
