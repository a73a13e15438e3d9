#include "plat/menus/menu_track.h"

#include <memory>
#include <vector>

#include "plat/input.h"
#include "plat/menus/menu_store.h"
#include "plat/menus/menu_window.h"
#include "plat/message_queue.h"
#include "plat/modal_loop.h"
#include "plat/paint.h"
#include "plat/system/sys_metrics.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

constexpr std::size_t kMaxLevels = 16;

struct Tracker;
void CloseLevelsAbove(Tracker& t, std::size_t keep);

// One run of the tracking loop, on its caller's stack. The mouse stays with the deepest level.
struct Tracker : ModalLoop {
    Tracker(HWND owner, UINT flags, bool system) : ModalLoop(owner), owner(owner), flags(flags), system(system) {}
    // The level windows go before the levels they show, however the run ends.
    ~Tracker() override
    {
        try {
            CloseLevelsAbove(*this, 0);
        } catch (...) {
            // the error that ends the run goes on
        }
        leaveQuietly();
    }
    Tracker(const Tracker&) = delete;
    Tracker& operator=(const Tracker&) = delete;

    HWND owner;
    UINT flags = 0;
    bool system = false;
    UINT chosen = 0;
    std::vector<std::unique_ptr<MenuLevel>> levels;

    bool notify() const { return !(flags & TPM_NONOTIFY); }
};

Tracker* Running() { return ModalLoop::innermost<Tracker>(); }

bool Selectable(const MenuItem& it) { return !(it.type & MFT_SEPARATOR); }
bool Choosable(const MenuItem& it) { return Selectable(it) && !(it.state & MFS_GRAYED) && !it.subMenu; }

MenuItem* ItemOf(const MenuLevel& level, int index)
{
    MenuObject* m = FindMenu(level.menu);
    if (!m || index < 0 || std::size_t(index) >= m->items.size()) return nullptr;
    return &m->items[std::size_t(index)];
}

void Repaint(MenuLevel& level)
{
    InvalidateRect(level.window, nullptr, FALSE);
    UpdateWindow(level.window);
}

void Select(Tracker& t, MenuLevel& level, int index, bool byMouse)
{
    if (level.selected == index) return;
    level.selected = index;
    Repaint(level);
    if (!t.notify()) return;
    MenuItem* it = ItemOf(level, index);
    if (!it) return;
    UINT flags = MF_HILITE | (it->state & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT)) | (it->type & MFT_OWNERDRAW) |
                 (it->subMenu ? MF_POPUP : 0) | (byMouse ? MF_MOUSESELECT : 0) | (t.system ? MF_SYSMENU : 0);
    UINT item = it->subMenu ? UINT(index) : it->id;
    SendMessage(t.owner, WM_MENUSELECT, MAKEWPARAM(int(item), int(flags)), LPARAM(level.menu.value));
}

// Keeps a menu of `size` on the work area: it flips to the other side of the point (or of the
// parent item) when it would run off.
POINT PlaceOnScreen(POINT at, SIZE size, UINT flags, const RECT* flipFrom)
{
    RECT work = GetWorkArea();
    int x = at.x, y = at.y;
    if (flags & TPM_RIGHTALIGN) x -= size.width;
    else if (flags & TPM_CENTERALIGN) x -= size.width / 2;
    if (flags & TPM_BOTTOMALIGN) y -= size.height;
    else if (flags & TPM_VCENTERALIGN) y -= size.height / 2;
    if (x + size.width > work.right) x = flipFrom ? flipFrom->left - size.width : x - size.width;
    if (y + size.height > work.bottom) y = flipFrom ? flipFrom->bottom - size.height : y - size.height;
    x = std::max(work.left, std::min(x, work.right - size.width));
    y = std::max(work.top, std::min(y, work.bottom - size.height));
    return {x, y};
}

bool Open(Tracker& t, HMENU menu, int parentPosition, POINT at, const RECT* flipFrom)
{
    if (!FindMenu(menu) || t.levels.size() >= kMaxLevels) return false;
    if (t.notify())
        SendMessage(t.owner, WM_INITMENUPOPUP, WPARAM(menu.value), MAKELPARAM(parentPosition, t.system ? 1 : 0));
    if (!FindMenu(menu) || !t.running()) return false;
    auto level = std::make_unique<MenuLevel>();
    level->menu = menu;
    level->owner = t.owner;
    level->layout = LayoutMenu(menu, t.owner);
    POINT p = PlaceOnScreen(at, level->layout.size, flipFrom ? 0 : t.flags, flipFrom);
    MenuLevel* raw = level.get();
    t.levels.push_back(std::move(level));
    raw->window = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kMenuClassName, "", WS_POPUP, p.x,
                                 p.y, raw->layout.size.width, raw->layout.size.height, t.owner, {}, raw);
    if (!raw->window) {
        t.levels.pop_back();
        return false;
    }
    SetWindowPos(raw->window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(raw->window);
    t.holdCapture(raw->window);
    return true;
}

void CloseLevelsAbove(Tracker& t, std::size_t keep)
{
    if (t.levels.size() <= keep) return;
    // The mouse goes back to the level that stays first, so that losing it closes nothing more.
    if (keep > 0 && t.running()) t.holdCapture(t.levels[keep - 1]->window);
    while (t.levels.size() > keep) {
        std::unique_ptr<MenuLevel> level = std::move(t.levels.back());
        t.levels.pop_back();
        DestroyWindow(level->window);
    }
}

// Opens the sub-menu of the selected item of level `index` (closing deeper ones first).
bool OpenSubMenu(Tracker& t, std::size_t index, bool selectFirst)
{
    CloseLevelsAbove(t, index + 1);
    MenuLevel& level = *t.levels[index];
    MenuItem* it = ItemOf(level, level.selected);
    if (!it || !it->subMenu || (it->state & MFS_GRAYED)) return false;
    HMENU sub = it->subMenu;
    RECT item = level.layout.items[std::size_t(level.selected)];
    RECT screenItem = item.offset(WindowRect(level.window).left, WindowRect(level.window).top);
    RECT flip{screenItem.left - kMenuBorder + 3, screenItem.top, screenItem.right, screenItem.bottom + kMenuBorder};
    POINT at{screenItem.right + kMenuBorder - 3, screenItem.top - kMenuBorder};
    if (!Open(t, sub, level.selected, at, &flip)) return false;
    if (selectFirst) {
        MenuLevel& opened = *t.levels.back();
        MenuObject* m = FindMenu(opened.menu);
        for (std::size_t i = 0; m && i < m->items.size(); ++i)
            if (Selectable(m->items[i])) {
                Select(t, opened, int(i), false);
                break;
            }
    }
    return true;
}

void Choose(Tracker& t, const MenuItem& it)
{
    t.chosen = it.id;
    t.end();
}

void Step(Tracker& t, MenuLevel& level, int direction)
{
    MenuObject* m = FindMenu(level.menu);
    if (!m || m->items.empty()) return;
    int n = int(m->items.size());
    int i = level.selected;
    for (int k = 0; k < n; ++k) {
        i = i < 0 ? (direction > 0 ? 0 : n - 1) : (i + direction + n) % n;
        if (Selectable(m->items[std::size_t(i)])) {
            Select(t, level, i, false);
            return;
        }
    }
}

void Activate(Tracker& t, std::size_t index, bool byKey)
{
    MenuLevel& level = *t.levels[index];
    MenuItem* it = ItemOf(level, level.selected);
    if (!it) return;
    if (it->subMenu) OpenSubMenu(t, index, byKey);
    else if (Choosable(*it)) Choose(t, *it);
}

void OnAccessKey(Tracker& t, char32_t key)
{
    if (key >= 'A' && key <= 'Z') key = key - 'A' + 'a';
    MenuLevel& level = *t.levels.back();
    MenuObject* m = FindMenu(level.menu);
    if (!m) return;
    std::vector<int> matches;
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if (Selectable(m->items[i]) && !(m->items[i].type & MFT_OWNERDRAW) && AccessKeyOf(m->items[i].text) == key)
            matches.push_back(int(i));
    if (matches.empty()) return;
    if (matches.size() > 1) {
        // Several items share the key: each press moves to the next of them.
        int next = matches.front();
        for (int i : matches)
            if (i > level.selected) {
                next = i;
                break;
            }
        Select(t, level, next, false);
        return;
    }
    Select(t, level, matches.front(), false);
    Activate(t, t.levels.size() - 1, true);
}

void OnKey(Tracker& t, UINT vk)
{
    std::size_t deepest = t.levels.size() - 1;
    MenuLevel& level = *t.levels.back();
    switch (vk) {
    case VK_UP: Step(t, level, -1); break;
    case VK_DOWN: Step(t, level, +1); break;
    case VK_RIGHT: {
        MenuItem* it = ItemOf(level, level.selected);
        if (it && it->subMenu) OpenSubMenu(t, deepest, true);
        break;
    }
    case VK_LEFT:
        if (deepest > 0) CloseLevelsAbove(t, deepest);
        break;
    case VK_RETURN: Activate(t, deepest, true); break;
    case VK_ESCAPE:
        if (deepest > 0) CloseLevelsAbove(t, deepest);
        else t.end();
        break;
    case VK_MENU:
    case VK_F10: t.end(); break;
    default: break;
    }
}

// The deepest open level under a screen point, and the item there.
bool LevelAt(Tracker& t, POINT screen, std::size_t* level, int* item)
{
    for (std::size_t i = t.levels.size(); i-- > 0;) {
        RECT w = WindowRect(t.levels[i]->window);
        if (!w.contains(screen)) continue;
        *level = i;
        *item = MenuItemAt(t.levels[i]->layout, {screen.x - w.left, screen.y - w.top});
        return true;
    }
    return false;
}

void OnMouse(Tracker& t, UINT message, POINT screen)
{
    std::size_t li = 0;
    int item = -1;
    bool inside = LevelAt(t, screen, &li, &item);
    bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
                message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN;
    bool up = message == WM_LBUTTONUP || (message == WM_RBUTTONUP && (t.flags & TPM_RIGHTBUTTON));
    if (!inside) {
        if (down) t.end();  // a click elsewhere closes the menu
        return;
    }
    MenuLevel& level = *t.levels[li];
    MenuItem* it = ItemOf(level, item);
    if (message == WM_MOUSEMOVE || down) {
        if (!it || !Selectable(*it)) {
            if (li + 1 == t.levels.size()) Select(t, level, -1, true);
            return;
        }
        bool subOpen = li + 1 < t.levels.size() && t.levels[li + 1]->menu == it->subMenu && it->subMenu;
        if (level.selected == item && subOpen) {
            CloseLevelsAbove(t, li + 2);  // back onto the item whose sub-menu is open
            return;
        }
        if (level.selected != item || li + 1 != t.levels.size()) {
            Select(t, level, item, true);
            it = ItemOf(level, item);  // the owner may have changed the menu on hearing of the selection
            if (it && it->subMenu) OpenSubMenu(t, li, false);
            else CloseLevelsAbove(t, li + 1);
        }
        return;
    }
    if (up && it && Choosable(*it)) Choose(t, *it);
}

bool IsMouse(UINT m) { return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST && m != WM_MOUSEWHEEL) || (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK); }

UINT ClientMouse(UINT m) { return m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK ? m - WM_NCMOUSEMOVE + WM_MOUSEMOVE : m; }

void Loop(Tracker& t)
{
    MSG msg;
    while (!t.levels.empty() && t.next(&msg)) {
        if (IsMouse(msg.message)) {
            OnMouse(t, ClientMouse(msg.message), msg.pt);
        } else if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            UINT vk = UINT(msg.wParam);
            if (vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_RETURN || vk == VK_ESCAPE ||
                vk == VK_MENU || vk == VK_F10)
                OnKey(t, vk);
            else
                TranslateMessage(&msg);
        } else if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            if (msg.wParam >= 0x20) OnAccessKey(t, char32_t(msg.wParam));
        } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
            // the menu has the keys
        } else {
            DispatchMessage(&msg);
        }
    }
}

}  // namespace

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params)
{
    if (Running() || !FindMenu(menu) || !IsWindow(owner)) return FALSE;
    if (GetCapture()) ReleaseCapture();
    Tracker t(owner, flags, IsSystemMenu(menu));
    if (t.notify()) {
        SendMessage(owner, WM_ENTERMENULOOP, TRUE, 0);
        SendMessage(owner, WM_INITMENU, WPARAM(menu.value), 0);
    }
    RECT exclude = params ? params->rcExclude : RECT{};
    POINT at{x, y};
    bool opened = t.running() && Open(t, menu, 0, at, nullptr);
    if (opened && params && !exclude.empty()) {
        // Keep clear of the excluded area: below it, or above when there is no room.
        RECT w = WindowRect(t.levels.back()->window);
        if (w.intersects(exclude)) {
            int top = exclude.bottom + w.height() <= GetWorkArea().bottom ? exclude.bottom : exclude.top - w.height();
            SetWindowPos(t.levels.back()->window, {}, w.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (opened) Loop(t);
    t.end();
    CloseLevelsAbove(t, 0);
    t.leave();
    if (t.notify() && IsWindow(owner)) {
        SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessage(owner, WM_EXITMENULOOP, TRUE, 0);
    }
    if (flags & TPM_RETURNCMD) return BOOL(t.chosen);
    if (!t.chosen) return FALSE;
    if (t.system) {
        POINT p;
        GetCursorPos(&p);
        PostMessage(owner, WM_SYSCOMMAND, t.chosen, MAKELPARAM(p.x, p.y));
    } else {
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(int(t.chosen), 0), 0);
    }
    return TRUE;
}

void MenuWindowGone(HWND menuWindow)
{
    Tracker* t = Running();
    if (!t) return;
    for (const auto& level : t->levels)
        if (level->window == menuWindow) t->end();
}

BOOL EndMenu()
{
    Tracker* t = Running();
    if (!t) return FALSE;
    t->end();
    return TRUE;
}

HMENU MenuOfWindow(HWND menuWindow)
{
    MenuLevel* level = MenuLevelOf(menuWindow);
    return level ? level->menu : HMENU{};
}

BOOL GetMenuItemRect(HWND, HMENU menu, UINT position, RECT* r)
{
    Tracker* t = Running();
    if (!t || !r) return FALSE;
    for (const auto& level : t->levels) {
        if (level->menu != menu || position >= level->layout.items.size()) continue;
        RECT w = WindowRect(level->window);
        *r = level->layout.items[position].offset(w.left, w.top);
        return TRUE;
    }
    return FALSE;
}

}  // namespace plat
