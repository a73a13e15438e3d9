#include "menu_fixture.h"
#include "plat/menus/system_menu.h"
#include "plat/message_codes.h"
#include "plat/nonclient/frame_layout.h"

namespace plat::menu_test {
namespace {

class SystemMenu : public MenuDesktop {
protected:
    POINT iconCentre()
    {
        FrameLayout f = LayoutFrameOf(owner);
        RECT w = WindowRect(owner);
        return {w.left + (f.icon.left + f.icon.right) / 2, w.top + (f.icon.top + f.icon.bottom) / 2};
    }
    bool closed() { return !IsWindow(owner); }
};

TEST_F(SystemMenu, AltSpaceThenCloseClosesTheWindow)
{
    RECT w = WindowRect(owner);
    desk.script().chord(VK_MENU, VK_SPACE).call([&] {
        HWND m = FindWindow(kMenuClassName, "");
        ASSERT_TRUE(m);
        // Below the caption icon, at the frame's left edge.
        RECT r = WindowRect(m);
        EXPECT_EQ(r.top, w.top + LayoutFrameOf(owner).caption.bottom);
        EXPECT_LT(r.left - w.left, 8);
        desk.saveScreenshot("/tmp/sentavia_system_menu.png");
    }).type("c");
    desk.run();
    EXPECT_TRUE(closed());
    ASSERT_FALSE(gSeen.empty());
    bool sawClose = false;
    for (const Seen& s : gSeen) sawClose |= s.message == WM_SYSCOMMAND && (s.wParam & 0xFFF0) == SC_CLOSE;
    EXPECT_TRUE(sawClose);
}

TEST_F(SystemMenu, IconClickAndCaptionRightClickOpenIt)
{
    // A click on the icon, then a click on Close.
    POINT icon = iconCentre();
    desk.script().click(icon.x, icon.y).call([&] {
        HMENU m = GetSystemMenu(owner, FALSE);
        POINT close = ItemCentre(owner, m, 6);
        desk.script().click(close.x, close.y);
    });
    desk.run();
    EXPECT_TRUE(closed());

    // A right click on the caption opens it at the pointer; Escape leaves the window be.
    owner = CreateWindowEx(0, "MenuTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, {});
    desk.run();
    desk.script().click(300, 110, MouseButton::Right).call([&] {
        HWND m = FindWindow(kMenuClassName, "");
        ASSERT_TRUE(m);
        EXPECT_EQ(WindowRect(m).left, 300);
        EXPECT_EQ(WindowRect(m).top, 110);
    }).key(VK_ESCAPE);
    desk.run();
    EXPECT_FALSE(closed());
    EXPECT_FALSE(FindWindow(kMenuClassName, ""));
}

TEST_F(SystemMenu, ItemsFollowTheWindowState)
{
    HMENU m = GetSystemMenu(owner, FALSE);
    ASSERT_EQ(GetMenuItemCount(m), 7);
    EXPECT_EQ(GetMenuDefaultItem(m, FALSE, 0), UINT(SC_CLOSE));
    EXPECT_EQ(GetSystemMenu(owner, FALSE), m);  // one copy per window
    struct Case {
        const char* name;
        DWORD style;
        int show;
        std::vector<UINT> enabled;
    } cases[] = {
        {"normal sizeable", WS_OVERLAPPEDWINDOW, SW_SHOWNORMAL, {SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE}},
        {"maximized", WS_OVERLAPPEDWINDOW, SW_MAXIMIZE, {SC_RESTORE, SC_MINIMIZE, SC_CLOSE}},
        {"dialog frame", WS_CAPTION | WS_SYSMENU, SW_SHOWNORMAL, {SC_MOVE, SC_CLOSE}},
    };
    for (const Case& c : cases) {
        HWND h = CreateWindowEx(0, "MenuTestOwner", "W", c.style | WS_VISIBLE, 50, 50, 300, 200, {});
        ShowWindow(h, c.show);
        desk.run();
        // The states are set as the menu opens.
        desk.script().call([&] { EndMenu(); });
        ShowSystemMenu(h, {60, 60});
        HMENU sm = GetSystemMenu(h, FALSE);
        for (UINT id : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE}) {
            bool on = std::find(c.enabled.begin(), c.enabled.end(), id) != c.enabled.end();
            EXPECT_EQ(!(GetMenuState(sm, id, MF_BYCOMMAND) & MF_GRAYED), on) << c.name << " " << std::hex << id;
        }
        DestroyWindow(h);
        EXPECT_FALSE(IsMenu(sm)) << c.name;  // the copy goes with its window
    }
    EXPECT_FALSE(GetSystemMenu(owner, TRUE));
    EXPECT_FALSE(IsMenu(m));
}

}  // namespace
}  // namespace plat::menu_test
