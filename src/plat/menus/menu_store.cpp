#include "plat/menus/menu_store.h"

#include <memory>

#include "base/utf8.h"
#include "plat/handle_table.h"
#include "plat/state/run_state.h"

namespace plat {

namespace {

HandleTable<HMENU, MenuObject>& Menus() { return RunPart<HandleTable<HMENU, MenuObject>>(); }

constexpr int kMaxItems = 4096;  // a guard against runaway callers, far above any real menu
constexpr int kMaxDepth = 32;    // sub-menu chains deeper than this are refused (and cycles)

MenuItem* FindIn(HMENU menu, UINT id, HMENU* owner, int depth)
{
    MenuObject* m = FindMenu(menu);
    if (!m || depth > kMaxDepth) return nullptr;
    for (MenuItem& it : m->items) {
        if (!it.subMenu && it.id == id && !(it.type & MFT_SEPARATOR)) {
            if (owner) *owner = menu;
            return &it;
        }
    }
    for (MenuItem& it : m->items) {
        if (it.subMenu) {
            if (MenuItem* found = FindIn(it.subMenu, id, owner, depth + 1)) return found;
        }
    }
    // A sub-menu item whose id matches (classic: popups can be found by their id too).
    for (MenuItem& it : m->items) {
        if (it.subMenu && it.id == id) {
            if (owner) *owner = menu;
            return &it;
        }
    }
    return nullptr;
}

bool Contains(HMENU root, HMENU target, int depth)
{
    if (root == target) return true;
    MenuObject* m = FindMenu(root);
    if (!m || depth > kMaxDepth) return false;
    for (const MenuItem& it : m->items)
        if (it.subMenu && Contains(it.subMenu, target, depth + 1)) return true;
    return false;
}

// Builds an item from the classic flags form.
bool ItemFromFlags(HMENU menu, UINT flags, std::uintptr_t idOrSub, std::string_view text, std::uintptr_t data,
                   MenuItem& it)
{
    it = MenuItem{};
    it.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
    if (it.state & (MF_GRAYED | MF_DISABLED)) it.state |= MFS_GRAYED;
    it.type = flags & (MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW | MF_SEPARATOR | MF_BITMAP);
    if (flags & MF_POPUP) {
        HMENU sub(idOrSub);
        // A menu may not contain itself, directly or through its sub-menus.
        if (!FindMenu(sub) || Contains(sub, menu, 0)) return false;
        it.subMenu = sub;
        it.id = UINT(idOrSub);
    } else {
        it.id = UINT(idOrSub);
    }
    if (it.type & MF_OWNERDRAW)
        it.data = data;
    else if (!(it.type & MF_SEPARATOR))
        it.text = std::string(text);
    return true;
}

int IndexOf(HMENU menu, UINT item, bool byPosition, MenuObject** holder)
{
    HMENU owner;
    if (byPosition) {
        MenuObject* m = FindMenu(menu);
        if (!m || item >= m->items.size()) return -1;
        *holder = m;
        return int(item);
    }
    MenuItem* it = FindMenuItem(menu, item, false, &owner);
    if (!it) return -1;
    MenuObject* m = FindMenu(owner);
    *holder = m;
    return int(it - m->items.data());
}

void DestroyTree(HMENU menu, int depth)
{
    std::unique_ptr<MenuObject> m = Menus().remove(menu);
    if (!m || depth > kMaxDepth) return;
    for (const MenuItem& it : m->items)
        if (it.subMenu) DestroyTree(it.subMenu, depth + 1);
}

}  // namespace

MenuObject* FindMenu(HMENU menu) { return Menus().get(menu); }

MenuItem* FindMenuItem(HMENU menu, UINT item, bool byPosition, HMENU* owner)
{
    if (byPosition) {
        MenuObject* m = FindMenu(menu);
        if (!m || item >= m->items.size()) return nullptr;
        if (owner) *owner = menu;
        return &m->items[item];
    }
    return FindIn(menu, item, owner, 0);
}

void MarkSystemMenu(HMENU menu, bool system)
{
    if (MenuObject* m = FindMenu(menu)) m->systemMenu = system;
}

bool IsSystemMenu(HMENU menu)
{
    MenuObject* m = FindMenu(menu);
    return m && m->systemMenu;
}

char32_t AccessKeyOf(const std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        char32_t c = base::decodeUtf8(text, i + 1).codePoint;
        if (c >= 'A' && c <= 'Z') c = c - 'A' + 'a';
        return c;
    }
    return 0;
}

HMENU CreatePopupMenu() { return Menus().add(std::make_unique<MenuObject>()); }
HMENU CreateMenu() { return CreatePopupMenu(); }

BOOL DestroyMenu(HMENU menu)
{
    if (!FindMenu(menu)) return FALSE;
    DestroyTree(menu, 0);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return FindMenu(menu) ? TRUE : FALSE; }

BOOL AppendMenu(HMENU menu, UINT flags, std::uintptr_t idOrSubMenu, std::string_view text, std::uintptr_t itemData)
{
    MenuObject* m = FindMenu(menu);
    if (!m) return FALSE;
    return InsertMenu(menu, UINT(m->items.size()), flags | MF_BYPOSITION, idOrSubMenu, text, itemData);
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrSubMenu, std::string_view text,
                std::uintptr_t itemData)
{
    MenuObject* m = FindMenu(menu);
    if (!m || m->items.size() >= kMaxItems) return FALSE;
    MenuItem it;
    if (!ItemFromFlags(menu, flags, idOrSubMenu, text, itemData, it)) return FALSE;
    MenuObject* holder = m;
    std::size_t index = m->items.size();
    if (flags & MF_BYPOSITION) {
        if (position < m->items.size()) index = position;  // past the end appends, as classic
    } else {
        int i = IndexOf(menu, position, false, &holder);
        if (i < 0) return FALSE;
        index = std::size_t(i);
    }
    holder->items.insert(holder->items.begin() + std::ptrdiff_t(index), std::move(it));
    return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrSubMenu, std::string_view text,
                std::uintptr_t itemData)
{
    MenuObject* holder = nullptr;
    int i = IndexOf(menu, position, (flags & MF_BYPOSITION) != 0, &holder);
    if (i < 0) return FALSE;
    MenuItem it;
    if (!ItemFromFlags(menu, flags, idOrSubMenu, text, itemData, it)) return FALSE;
    MenuItem& old = holder->items[std::size_t(i)];
    // Replacing a sub-menu by something else destroys it, as classic.
    if (old.subMenu && old.subMenu != it.subMenu) DestroyMenu(old.subMenu);
    old = std::move(it);
    return TRUE;
}

BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info)
{
    MenuObject* m = FindMenu(menu);
    if (!m || !info || m->items.size() >= kMaxItems) return FALSE;
    MenuObject* holder = m;
    std::size_t index = m->items.size();
    if (byPosition) {
        if (item < m->items.size()) index = item;
    } else {
        int i = IndexOf(menu, item, false, &holder);
        if (i < 0) return FALSE;
        index = std::size_t(i);
    }
    if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu && (!FindMenu(info->hSubMenu) || Contains(info->hSubMenu, menu, 0)))
        return FALSE;
    holder->items.insert(holder->items.begin() + std::ptrdiff_t(index), MenuItem{});
    MenuItem& it = holder->items[index];
    if (info->fMask & (MIIM_FTYPE | MIIM_TYPE)) it.type = info->fType;
    if (info->fMask & MIIM_STATE) it.state = info->fState;
    if (info->fMask & MIIM_ID) it.id = info->wID;
    if (info->fMask & MIIM_SUBMENU) it.subMenu = info->hSubMenu;
    if (info->fMask & MIIM_DATA) it.data = info->dwItemData;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE)) it.text = info->dwTypeData;
    if (info->fMask & MIIM_CHECKMARKS) {
        it.checkedMark = info->hbmpChecked;
        it.uncheckedMark = info->hbmpUnchecked;
    }
    if (info->fMask & MIIM_BITMAP) it.bitmap = info->hbmpItem;
    return TRUE;
}

BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO* info)
{
    MenuItem* it = FindMenuItem(menu, item, byPosition != 0);
    if (!it || !info) return FALSE;
    UINT mask = info->fMask;
    if (mask & (MIIM_FTYPE | MIIM_TYPE)) info->fType = it->type;
    if (mask & MIIM_STATE) info->fState = it->state;
    if (mask & MIIM_ID) info->wID = it->id;
    if (mask & MIIM_SUBMENU) info->hSubMenu = it->subMenu;
    if (mask & MIIM_DATA) info->dwItemData = it->data;
    if (mask & (MIIM_STRING | MIIM_TYPE)) info->dwTypeData = it->text;
    if (mask & MIIM_CHECKMARKS) {
        info->hbmpChecked = it->checkedMark;
        info->hbmpUnchecked = it->uncheckedMark;
    }
    if (mask & MIIM_BITMAP) info->hbmpItem = it->bitmap;
    return TRUE;
}

BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info)
{
    MenuItem* it = FindMenuItem(menu, item, byPosition != 0);
    if (!it || !info) return FALSE;
    if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu && (!FindMenu(info->hSubMenu) || Contains(info->hSubMenu, menu, 0)))
        return FALSE;
    if (info->fMask & (MIIM_FTYPE | MIIM_TYPE)) it->type = info->fType;
    if (info->fMask & MIIM_STATE) it->state = info->fState;
    if (info->fMask & MIIM_ID) it->id = info->wID;
    if (info->fMask & MIIM_SUBMENU) it->subMenu = info->hSubMenu;
    if (info->fMask & MIIM_DATA) it->data = info->dwItemData;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE)) it->text = info->dwTypeData;
    if (info->fMask & MIIM_CHECKMARKS) {
        it->checkedMark = info->hbmpChecked;
        it->uncheckedMark = info->hbmpUnchecked;
    }
    if (info->fMask & MIIM_BITMAP) it->bitmap = info->hbmpItem;
    return TRUE;
}

namespace {

BOOL Detach(HMENU menu, UINT position, UINT flags, bool destroySub)
{
    MenuObject* holder = nullptr;
    int i = IndexOf(menu, position, (flags & MF_BYPOSITION) != 0, &holder);
    if (i < 0) return FALSE;
    HMENU sub = holder->items[std::size_t(i)].subMenu;
    holder->items.erase(holder->items.begin() + i);
    if (destroySub && sub) DestroyMenu(sub);
    return TRUE;
}

}  // namespace

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) { return Detach(menu, position, flags, true); }
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) { return Detach(menu, position, flags, false); }

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags)
{
    MenuItem* it = FindMenuItem(menu, item, (flags & MF_BYPOSITION) != 0);
    if (!it) return DWORD(-1);
    DWORD old = it->state & MF_CHECKED;
    it->state = (it->state & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags)
{
    MenuItem* it = FindMenuItem(menu, item, (flags & MF_BYPOSITION) != 0);
    if (!it) return BOOL(-1);
    BOOL old = BOOL(it->state & MFS_GRAYED);
    // Greyed and disabled are one state here: neither can be chosen.
    it->state = (it->state & ~MFS_GRAYED) | ((flags & (MF_GRAYED | MF_DISABLED)) ? MFS_GRAYED : 0);
    return old;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags)
{
    MenuItem* it = FindMenuItem(menu, item, (flags & MF_BYPOSITION) != 0);
    if (!it) return UINT(-1);
    UINT s = it->state | it->type;
    if (it->subMenu) {
        MenuObject* sub = FindMenu(it->subMenu);
        s = (s & 0xFF) | MF_POPUP | (UINT(sub ? sub->items.size() : 0) << 8);
    }
    return s;
}

int GetMenuItemCount(HMENU menu)
{
    MenuObject* m = FindMenu(menu);
    return m ? int(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position)
{
    MenuObject* m = FindMenu(menu);
    if (!m || position < 0 || std::size_t(position) >= m->items.size()) return UINT(-1);
    const MenuItem& it = m->items[std::size_t(position)];
    return it.subMenu ? UINT(-1) : it.id;
}

HMENU GetSubMenu(HMENU menu, int position)
{
    MenuObject* m = FindMenu(menu);
    if (!m || position < 0 || std::size_t(position) >= m->items.size()) return {};
    return m->items[std::size_t(position)].subMenu;
}

int GetMenuString(HMENU menu, UINT item, std::string* text, UINT flags)
{
    MenuItem* it = FindMenuItem(menu, item, (flags & MF_BYPOSITION) != 0);
    if (!it) return 0;
    if (text) *text = it->text;
    return int(it->text.size());
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition)
{
    MenuObject* m = FindMenu(menu);
    if (!m) return FALSE;
    MenuItem* target = nullptr;
    if (item != UINT(-1)) {
        if (byPosition) {
            if (item >= m->items.size()) return FALSE;
            target = &m->items[item];
        } else {
            for (MenuItem& it : m->items)
                if (it.id == item && !(it.type & MFT_SEPARATOR)) target = &it;
            if (!target) return FALSE;
        }
    }
    for (MenuItem& it : m->items) it.state &= ~MFS_DEFAULT;
    if (target) target->state |= MFS_DEFAULT;
    return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT /*flags*/)
{
    MenuObject* m = FindMenu(menu);
    if (!m) return UINT(-1);
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if (m->items[i].state & MFS_DEFAULT) return byPosition ? UINT(i) : m->items[i].id;
    return UINT(-1);
}

}  // namespace plat
