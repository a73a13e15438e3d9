#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Pop-up menus: lists of items (strings, separators, owner-drawn items, sub-menus) reached by
// handles. Items are addressed by command id (MF_BYCOMMAND, searched through sub-menus too) or
// by position (MF_BYPOSITION).
constexpr UINT MF_INSERT = 0x0000;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_SYSMENU = 0x2000;
constexpr UINT MF_MOUSESELECT = 0x8000;

constexpr UINT MFT_STRING = MF_STRING;
constexpr UINT MFT_BITMAP = MF_BITMAP;
constexpr UINT MFT_MENUBARBREAK = MF_MENUBARBREAK;
constexpr UINT MFT_MENUBREAK = MF_MENUBREAK;
constexpr UINT MFT_OWNERDRAW = MF_OWNERDRAW;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT MFT_SEPARATOR = MF_SEPARATOR;
constexpr UINT MFT_RIGHTORDER = 0x2000;
constexpr UINT MFT_RIGHTJUSTIFY = 0x4000;

constexpr UINT MFS_ENABLED = 0x0000;
constexpr UINT MFS_UNCHECKED = 0x0000;
constexpr UINT MFS_UNHILITE = 0x0000;
constexpr UINT MFS_GRAYED = 0x0003;
constexpr UINT MFS_DISABLED = MFS_GRAYED;
constexpr UINT MFS_CHECKED = MF_CHECKED;
constexpr UINT MFS_HILITE = MF_HILITE;
constexpr UINT MFS_DEFAULT = MF_DEFAULT;

constexpr UINT MIIM_STATE = 0x0001;
constexpr UINT MIIM_ID = 0x0002;
constexpr UINT MIIM_SUBMENU = 0x0004;
constexpr UINT MIIM_CHECKMARKS = 0x0008;
constexpr UINT MIIM_TYPE = 0x0010;
constexpr UINT MIIM_DATA = 0x0020;
constexpr UINT MIIM_STRING = 0x0040;
constexpr UINT MIIM_BITMAP = 0x0080;
constexpr UINT MIIM_FTYPE = 0x0100;

// One item's description for InsertMenuItem / GetMenuItemInfo / SetMenuItemInfo; fMask says
// which fields are meant. Text is UTF-8; "&" marks the access key, a tab starts the shortcut text.
struct MENUITEMINFO {
    UINT fMask = 0;
    UINT fType = 0;
    UINT fState = 0;
    UINT wID = 0;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    std::uintptr_t dwItemData = 0;
    std::string dwTypeData;
    HBITMAP hbmpItem;
};

HMENU CreatePopupMenu();
HMENU CreateMenu();
// Destroys the menu and its sub-menus.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// For MF_POPUP, idOrSubMenu is the sub-menu's handle value (SubMenuId); for MF_OWNERDRAW,
// text is unused and itemData is given to WM_MEASUREITEM / WM_DRAWITEM.
BOOL AppendMenu(HMENU menu, UINT flags, std::uintptr_t idOrSubMenu, std::string_view text = {},
                std::uintptr_t itemData = 0);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrSubMenu, std::string_view text = {},
                std::uintptr_t itemData = 0);
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrSubMenu, std::string_view text = {},
                std::uintptr_t itemData = 0);
inline std::uintptr_t SubMenuId(HMENU sub) { return std::uintptr_t(sub.value); }
BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO* info);
BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
// DeleteMenu destroys an item's sub-menu; RemoveMenu only detaches it.
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);

// The previous state (MF_CHECKED / MF_GRAYED...), or -1 (as DWORD) when there is no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);  // -1 for a stale handle
UINT GetMenuItemID(HMENU menu, int position);  // -1 (as UINT) for a sub-menu or no item
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuString(HMENU menu, UINT item, std::string* text, UINT flags);
// One default item per menu (shown bold, chosen by a double click); -1 removes it.
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);

}  // namespace plat
