#pragma once

#include <vector>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Where the items of an open pop-up menu lie (client coordinates of its "#32768" window) and how
// they are drawn. Owner-drawn items are measured with WM_MEASUREITEM and drawn with WM_DRAWITEM,
// both sent to `owner`.
struct MenuLayout {
    SIZE size;                // the whole window
    std::vector<RECT> items;  // one per item, in order
};
constexpr int kMenuBorder = 3;  // raised edge and a pixel of face around the items
MenuLayout LayoutMenu(HMENU menu, HWND owner);
void DrawMenu(HDC dc, HMENU menu, HWND owner, const MenuLayout& layout, int selected);
// The item under a client point, or -1.
int MenuItemAt(const MenuLayout& layout, POINT client);

// The fonts of menu text: the usual one and the bold one of default items (shared, never freed).
HFONT MenuFont(bool bold);

}  // namespace plat
