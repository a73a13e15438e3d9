#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plat/menus/menu.h"

namespace plat {

// The stored form of menus (internal to the menu code).
struct MenuItem {
    UINT type = MFT_STRING;  // MFT_*
    UINT state = 0;          // MFS_*
    UINT id = 0;
    HMENU subMenu;
    std::string text;
    std::uintptr_t data = 0;
    HBITMAP checkedMark, uncheckedMark, bitmap;
};

struct MenuObject {
    std::vector<MenuItem> items;
    bool systemMenu = false;  // commands go out as WM_SYSCOMMAND
};

MenuObject* FindMenu(HMENU menu);
// The item by command (searching sub-menus) or position; *owner receives its menu.
MenuItem* FindMenuItem(HMENU menu, UINT item, bool byPosition, HMENU* owner = nullptr);
void MarkSystemMenu(HMENU menu, bool system);
bool IsSystemMenu(HMENU menu);

// The access key of an item's text ("&F" -> 'f', lower case ASCII or the code point), 0 if none.
char32_t AccessKeyOf(const std::string& text);

}  // namespace plat
