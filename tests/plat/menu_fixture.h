#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/gdi/gdi.h"
#include "plat/hook.h"
#include "plat/menus/menu.h"
#include "plat/menus/menu_owner_draw.h"
#include "plat/menus/menu_track.h"
#include "plat/system/sys_colors.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace plat::menu_test {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
inline std::vector<Seen> gSeen;
inline std::vector<std::string> gCreated;  // class names the creation hook saw
inline std::function<void(UINT, WPARAM)> gOwnerReacts;  // called first for each message of the owner

inline LRESULT OwnerProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (gOwnerReacts) gOwnerReacts(m, w);
    switch (m) {
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_DESTROY: gSeen.push_back({m, w, l}); break;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        gSeen.push_back({m, mis->itemID, LPARAM(mis->itemData)});
        mis->itemWidth = 120;
        mis->itemHeight = 30;
        return TRUE;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        gSeen.push_back({m, dis->itemID, LPARAM(dis->itemState)});
        HBRUSH b = CreateSolidBrush((dis->itemState & ODS_SELECTED) ? RGB(200, 0, 0) : RGB(0, 160, 0));
        FillRect(dis->hDC, &dis->rcItem, b);
        DeleteObject(HGDIOBJ(b));
        return TRUE;
    }
    default: break;
    }
    return DefWindowProc(h, m, w, l);
}

inline LRESULT CreationHook(int code, WPARAM w, LPARAM l)
{
    if (code == HCBT_CREATEWND) {
        auto* c = reinterpret_cast<CBT_CREATEWND*>(l);
        std::string cls = c->lpcs->lpszClass;
        if (cls == kMenuClassName) {
            EXPECT_EQ(c->lpcs->style & WS_POPUP, WS_POPUP);
            EXPECT_EQ(c->lpcs->dwExStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
        }
        gCreated.push_back(cls);
    }
    return CallNextHookEx({}, code, w, l);
}

inline int Count(UINT message)
{
    int n = 0;
    for (const Seen& s : gSeen) n += s.message == message;
    return n;
}

class MenuDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSeen.clear();
        gCreated.clear();
        gOwnerReacts = nullptr;
        WNDCLASSEX wc;
        wc.lpfnWndProc = OwnerProc;
        wc.lpszClassName = "MenuTestOwner";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_WINDOW + 1));
        RegisterClassEx(wc);
        owner = CreateWindowEx(0, "MenuTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, {});
        SetActiveWindow(owner);
        desk.run();
        gSeen.clear();
    }
    // File: New, Open >, (sep), Grey (disabled), Exit   Open >: &Text, &Picture, Te&mplate
    void buildMenus()
    {
        sub = CreatePopupMenu();
        AppendMenu(sub, MF_STRING, 201, "&Text");
        AppendMenu(sub, MF_STRING, 202, "&Picture");
        AppendMenu(sub, MF_STRING, 203, "Te&mplate");
        menu = CreatePopupMenu();
        AppendMenu(menu, MF_STRING, 101, "&New\tCtrl+N");
        AppendMenu(menu, MF_POPUP, SubMenuId(sub), "&Open");
        AppendMenu(menu, MF_SEPARATOR, 0);
        AppendMenu(menu, MF_STRING | MF_GRAYED, 103, "&Grey");
        AppendMenu(menu, MF_STRING | MF_CHECKED, 104, "E&xit");
    }
    void TearDown() override
    {
        gOwnerReacts = nullptr;
        DestroyMenu(menu);
    }
    UINT trackReturning(int x = 150, int y = 150)
    {
        return UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, x, y, owner));
    }
    HeadlessDesktop desk;
    HWND owner;
    HMENU menu, sub;
};

// The screen centre of an item while its menu is open.
inline POINT ItemCentre(HWND owner, HMENU m, UINT pos)
{
    RECT r;
    EXPECT_TRUE(GetMenuItemRect(owner, m, pos, &r));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace plat::menu_test
