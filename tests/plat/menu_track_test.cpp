#include "base/error.h"
#include "menu_fixture.h"

namespace plat::menu_test {
namespace {

TEST_F(MenuDesktop, SubMenuByKeysWithTheUsualNotificationsAndMenuWindows)
{
    buildMenus();
    HHOOK hook = SetWindowsHookEx(WH_CBT, CreationHook);
    int windowsDuring = 0;
    // Down selects New, Down again Open, Right opens it on Text, Down to Picture, Enter.
    desk.script().key(VK_DOWN).key(VK_DOWN).key(VK_RIGHT).key(VK_DOWN).call([&] {
        EnumWindows([&](HWND h) {
            windowsDuring += GetClassName(h) == kMenuClassName;
            if (GetClassName(h) == kMenuClassName) {
                EXPECT_NE(GetActiveWindow(), h);
            }
            return true;
        });
    }).key(VK_RETURN);
    EXPECT_EQ(trackReturning(), 202u);
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(windowsDuring, 2);
    EXPECT_EQ(gCreated, (std::vector<std::string>{kMenuClassName, kMenuClassName}));
    EXPECT_FALSE(FindWindow(kMenuClassName, ""));  // all levels gone
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_FALSE(GetCapture());
    ASSERT_GE(gSeen.size(), 4u);
    EXPECT_EQ(gSeen.front().message, WM_ENTERMENULOOP);
    EXPECT_EQ(gSeen.back().message, WM_EXITMENULOOP);
    EXPECT_EQ(Count(WM_INITMENUPOPUP), 2);
    EXPECT_EQ(Count(WM_COMMAND), 0);  // returned, not posted
    // The sub-menu's init names its position in the parent; the last selection is Picture.
    for (const Seen& s : gSeen)
        if (s.message == WM_INITMENUPOPUP && s.wParam == WPARAM(sub.value)) {
            EXPECT_EQ(LOWORD(WPARAM(s.lParam)), 1);
        }
    std::vector<WORD> selected;
    for (const Seen& s : gSeen)
        if (s.message == WM_MENUSELECT && HIWORD(s.wParam) != 0xFFFF) selected.push_back(LOWORD(s.wParam));
    EXPECT_EQ(selected, (std::vector<WORD>{101, 1, 201, 202}));
}

TEST_F(MenuDesktop, KeyboardCases)
{
    struct Case {
        const char* name;
        std::vector<UINT> keys;
        std::string typed;
        UINT expected;
    } cases[] = {
        {"escape closes", {VK_ESCAPE}, "", 0},
        {"escape closes only the sub-menu", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_UP, VK_RETURN}, "", 101},
        {"left closes the sub-menu", {VK_DOWN, VK_DOWN, VK_RETURN, VK_LEFT, VK_DOWN, VK_DOWN, VK_RETURN}, "", 104},
        {"separator skipped, disabled item selectable but not chosen", {VK_UP, VK_UP, VK_RETURN, VK_ESCAPE}, "", 0},
        {"up wraps to the last item", {VK_UP, VK_RETURN}, "", 104},
        {"access key chooses", {}, "x", 104},
        {"access key opens a sub-menu and chooses in it", {}, "om", 203},
        {"access keys are case-blind", {}, "N", 101},
        {"unknown access key does nothing", {VK_ESCAPE}, "q", 0},
        {"alt closes", {VK_MENU}, "", 0},
    };
    for (const Case& c : cases) {
        buildMenus();
        desk.script().type(c.typed);
        for (UINT k : c.keys) desk.script().key(k);
        EXPECT_EQ(trackReturning(), c.expected) << c.name;
        EXPECT_FALSE(FindWindow(kMenuClassName, "")) << c.name;
        desk.run();  // the last key-ups
        DestroyMenu(menu);
    }
    menu = {};
}

TEST_F(MenuDesktop, SubMenuByMouseAndTheCommandPosted)
{
    buildMenus();
    desk.script().call([&] {
        POINT open = ItemCentre(owner, menu, 1);
        desk.script().move(open.x, open.y).call([&] {
            POINT pic = ItemCentre(owner, sub, 1);
            POINT text = ItemCentre(owner, sub, 0);
            // Through the sub-menu's first item to the second, then a click.
            desk.script().move(text.x, text.y).move(pic.x, pic.y).click(pic.x, pic.y);
        });
    });
    EXPECT_TRUE(TrackPopupMenu(menu, TPM_LEFTALIGN, 150, 150, owner));
    EXPECT_EQ(Count(WM_COMMAND), 0);
    desk.run();  // the command was posted
    ASSERT_EQ(Count(WM_COMMAND), 1);
    for (const Seen& s : gSeen)
        if (s.message == WM_COMMAND) {
            EXPECT_EQ(s.wParam, MAKEWPARAM(202, 0));
        }
}

TEST_F(MenuDesktop, MouseClicksOnDisabledItemsAndOutsideTheMenu)
{
    buildMenus();
    desk.script().call([&] {
        POINT grey = ItemCentre(owner, menu, 3);
        POINT sep = ItemCentre(owner, menu, 2);
        desk.script().click(grey.x, grey.y).click(sep.x, sep.y).call([&] {
            EXPECT_TRUE(FindWindow(kMenuClassName, ""));  // still open
        }).click(20, 700);
    });
    EXPECT_EQ(trackReturning(), 0u);
    EXPECT_FALSE(FindWindow(kMenuClassName, ""));
}

TEST_F(MenuDesktop, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner)
{
    menu = CreatePopupMenu();
    AppendMenu(menu, MF_OWNERDRAW, 301, {}, 0xA1);
    AppendMenu(menu, MF_OWNERDRAW, 302, {}, 0xA2);
    RECT first, second;
    desk.script().call([&] {
        GetMenuItemRect(owner, menu, 0, &first);
        GetMenuItemRect(owner, menu, 1, &second);
        desk.script().key(VK_DOWN).key(VK_DOWN).call([&] {
            // The selected item is drawn selected by the owner (red), the other plain (green).
            const gfx::Bitmap& s = desk.screen();
            EXPECT_EQ(s.pixel(second.left + 5, second.top + 5) & 0xFFFFFF, RGB(200, 0, 0));
            EXPECT_EQ(s.pixel(first.left + 5, first.top + 5) & 0xFFFFFF, RGB(0, 160, 0));
        }).key(VK_RETURN);
    });
    EXPECT_EQ(trackReturning(), 302u);
    EXPECT_EQ(first.height(), 30);
    EXPECT_GE(first.width(), 120);
    int measured = 0;
    bool sawSelected = false;
    for (const Seen& s : gSeen) {
        if (s.message == WM_MEASUREITEM) {
            ++measured;
            EXPECT_EQ(s.lParam, s.wParam == 301 ? 0xA1 : 0xA2);
        }
        if (s.message == WM_DRAWITEM && s.wParam == 302 && (s.lParam & ODS_SELECTED)) sawSelected = true;
    }
    EXPECT_EQ(measured, 2);
    EXPECT_TRUE(sawSelected);
}

TEST_F(MenuDesktop, ScreenshotOfAnOpenMenuWithASubMenu)
{
    buildMenus();
    SetMenuDefaultItem(menu, 101, FALSE);
    desk.script().key(VK_DOWN).key(VK_DOWN).key(VK_RIGHT).call([&] {
        desk.saveScreenshot("/tmp/sentavia_menu.png");
    }).key(VK_ESCAPE).key(VK_ESCAPE);
    EXPECT_EQ(trackReturning(), 0u);
}

TEST(MenuStore, ItemsByCommandAndPosition)
{
    HMENU sub = CreatePopupMenu();
    AppendMenu(sub, MF_STRING, 20, "Deep");
    HMENU m = CreatePopupMenu();
    AppendMenu(m, MF_STRING, 10, "&One");
    AppendMenu(m, MF_POPUP, SubMenuId(sub), "&Sub");
    InsertMenu(m, 0, MF_BYPOSITION | MF_STRING, 9, "Zero");
    EXPECT_EQ(GetMenuItemCount(m), 3);
    EXPECT_EQ(GetMenuItemID(m, 0), 9u);
    EXPECT_EQ(GetMenuItemID(m, 2), UINT(-1));
    EXPECT_EQ(GetSubMenu(m, 2), sub);
    // By command reaches into sub-menus.
    EXPECT_EQ(CheckMenuItem(m, 20, MF_CHECKED), DWORD(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED, MF_CHECKED);
    EnableMenuItem(m, 10, MF_GRAYED);
    MENUITEMINFO info;
    info.fMask = MIIM_STATE | MIIM_STRING | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfo(m, 10, FALSE, &info));
    EXPECT_EQ(info.fState & MFS_GRAYED, MFS_GRAYED);
    EXPECT_EQ(info.dwTypeData, "&One");
    EXPECT_TRUE(SetMenuDefaultItem(m, 1, TRUE));
    EXPECT_EQ(GetMenuDefaultItem(m, FALSE, 0), 10u);
    // A menu may not hold itself; RemoveMenu keeps the sub-menu, DeleteMenu destroys it.
    EXPECT_FALSE(AppendMenu(sub, MF_POPUP, SubMenuId(m), "loop"));
    EXPECT_TRUE(RemoveMenu(m, 2, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(sub));
    AppendMenu(m, MF_POPUP, SubMenuId(sub), "&Sub");
    EXPECT_TRUE(DeleteMenu(m, 2, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_TRUE(DestroyMenu(m));
    EXPECT_EQ(GetMenuItemCount(m), -1);
    EXPECT_FALSE(DestroyMenu(m));
}

}  // namespace
}  // namespace plat::menu_test

namespace plat::menu_test {
namespace {

// Owners and menus may go away while a menu is open (a timer, a posted message): the loop ends
// cleanly and leaves no menu window behind.
TEST_F(MenuDesktop, MenuOrOwnerGoneWhileTracking)
{
    buildMenus();
    desk.script().key(VK_DOWN).key(VK_DOWN).key(VK_RIGHT).call([&] { DestroyMenu(sub); }).key(VK_DOWN).key(VK_RETURN).key(
        VK_LEFT).key(VK_UP).key(VK_RETURN);
    EXPECT_EQ(trackReturning(), 101u);  // the sub-menu's items are gone; the parent still works
    EXPECT_FALSE(FindWindow(kMenuClassName, ""));
    desk.run();

    desk.script().key(VK_DOWN).call([&] { DestroyWindow(owner); }).key(VK_RETURN);
    EXPECT_EQ(trackReturning(), 0u);
    EXPECT_FALSE(FindWindow(kMenuClassName, ""));
    EXPECT_FALSE(GetCapture());
}

}  // namespace
}  // namespace plat::menu_test

namespace plat::menu_test {
namespace {

// An exception out of the loop (the script running dry, the owner throwing on a message while
// the menu is open) closes every menu window and gives the mouse back; painting and tracking
// work again afterwards.
TEST_F(MenuDesktop, ExceptionsOutOfTheLoopLeaveNothingBehind)
{
    struct Case {
        const char* name;
        UINT throwOn;  // 0: the script runs dry
        bool onlyForTheSubMenu;
    } cases[] = {
        {"script runs dry", 0, false},
        {"WM_ENTERMENULOOP", WM_ENTERMENULOOP, false},
        {"WM_INITMENUPOPUP", WM_INITMENUPOPUP, false},
        {"WM_INITMENUPOPUP of the sub-menu", WM_INITMENUPOPUP, true},
        {"WM_MENUSELECT", WM_MENUSELECT, false},
        {"WM_TIMER", WM_TIMER, false},
    };
    for (const Case& c : cases) {
        buildMenus();
        gOwnerReacts = [&](UINT m, WPARAM w) {
            if (m == c.throwOn && (!c.onlyForTheSubMenu || w == WPARAM(sub.value))) throw base::Error(c.name);
        };
        SetTimer(owner, 1, 100);
        if (c.throwOn) desk.script().key(VK_DOWN).key(VK_DOWN).key(VK_RIGHT).advance(150).key(VK_ESCAPE).key(VK_ESCAPE);
        EXPECT_THROW(trackReturning(), base::Error) << c.name;
        gOwnerReacts = nullptr;
        KillTimer(owner, 1);
        desk.script().clear();
        EXPECT_FALSE(FindWindow(kMenuClassName, "")) << c.name;
        EXPECT_FALSE(GetCapture()) << c.name;
        EXPECT_FALSE(desk.captured()) << c.name;
        EXPECT_FALSE(EndMenu()) << c.name << ": no menu is tracked";
        InvalidateRect(owner, nullptr, TRUE);
        desk.run();
        desk.screen();

        desk.script().key(VK_DOWN).key(VK_DOWN).key(VK_RIGHT).key(VK_DOWN).key(VK_RETURN);
        EXPECT_EQ(trackReturning(), 202u) << c.name << ": tracking again";
        EXPECT_FALSE(FindWindow(kMenuClassName, "")) << c.name;
        desk.run();
        DestroyMenu(menu);
    }
    menu = {};
}

}  // namespace
}  // namespace plat::menu_test
