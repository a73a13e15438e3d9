#include <string>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/controls_registry.h"
#include "plat/controls/status_bar_class.h"
#include "plat/controls/status_bar_layout.h"
#include "plat/controls/status_bar_messages.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/system/sys_colors.h"
#include "plat/windowing.h"

namespace plat {
namespace {

HWND gBar;

// Parents forward their WM_SIZE to the bar, as usual.
LRESULT ParentProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_SIZE && gBar) SendMessage(gBar, WM_SIZE, w, l);
    return DefWindowProc(h, m, w, l);
}

class StatusBarDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPlainFrame();
        RegisterStandardControls();
        gBar = {};
        WNDCLASSEX wc;
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = "StatusTestParent";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
        RegisterClassEx(wc);
        parent = CreateWindowEx(0, "StatusTestParent", "Sentavia", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 480, 360, {});
        gBar = CreateWindowEx(0, kStatusBarClassName, "Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                              parent, ChildId(50));
        desk.run();
    }
    void TearDown() override { gBar = {}; }
    HeadlessDesktop desk;
    HWND parent;
};

TEST(StatusBarLayout, PartsEndAtTheirRightEdgesAndTheLastAvoidsTheGrip)
{
    RECT client{0, 0, 400, 20};
    std::vector<int> rights{100, 250, -1};
    EXPECT_EQ(StatusBarLayout::partRect(client, rights, 0, true), (RECT{0, 2, 100, 20}));
    EXPECT_EQ(StatusBarLayout::partRect(client, rights, 1, true), (RECT{102, 2, 250, 20}));
    EXPECT_EQ(StatusBarLayout::partRect(client, rights, 2, true), (RECT{252, 2, 380, 20}));
    EXPECT_EQ(StatusBarLayout::partRect(client, rights, 2, false).right, 400);
    EXPECT_EQ(StatusBarLayout::partRect(client, rights, 3, false), RECT{});
}

TEST_F(StatusBarDesktop, SitsAtTheBottomAndFollowsTheParent)
{
    RECT pc = ClientRect(parent);
    RECT bar = WindowRect(gBar);
    MapWindowRect(HWND{}, parent, &bar);
    EXPECT_EQ(bar.bottom, pc.bottom);
    EXPECT_EQ(bar.width(), pc.width());
    EXPECT_EQ(bar.height(), 20);
    SetWindowPos(parent, HWND{}, 0, 0, 520, 400, SWP_NOMOVE | SWP_NOZORDER);
    desk.run();
    bar = WindowRect(gBar);
    MapWindowRect(HWND{}, parent, &bar);
    EXPECT_EQ(bar.bottom, ClientRect(parent).bottom);
    EXPECT_EQ(bar.width(), ClientRect(parent).width());
}

TEST_F(StatusBarDesktop, SimpleAndPanelModes)
{
    EXPECT_EQ(StatusBarText(gBar, 0), "Ready");
    int rights[] = {120, 260, -1};
    ASSERT_TRUE(SendMessage(gBar, SB_SETPARTS, 3, LPARAM(rights)));
    EXPECT_EQ(SendMessage(gBar, SB_GETPARTS, 0, 0), 3);
    SendMessage(gBar, SB_SETTEXT, 1, LPARAM("Запись 5 из 12"));
    SendMessage(gBar, SB_SETTEXT, 2 | SBT_NOBORDERS, LPARAM("right\tcentre"));
    EXPECT_EQ(StatusBarText(gBar, 1), "Запись 5 из 12");
    EXPECT_EQ(HIWORD(std::uintptr_t(SendMessage(gBar, SB_GETTEXTLENGTH, 2))), SBT_NOBORDERS >> 8);
    EXPECT_FALSE(SendMessage(gBar, SB_SETTEXT, 5, LPARAM("no such part")));
    RECT r;
    ASSERT_TRUE(SendMessage(gBar, SB_GETRECT, 1, LPARAM(&r)));
    EXPECT_EQ(r.left, 122);
    EXPECT_EQ(r.right, 260);
    EXPECT_FALSE(SendMessage(gBar, SB_GETRECT, 3, LPARAM(&r)));

    // A short buffer is never overrun; one of unknown size is never written.
    char small[6] = "#####";
    SendMessage(gBar, SB_GETTEXT, MAKEWPARAM(1, 6), LPARAM(small));
    EXPECT_EQ(std::string(small), "За");
    char untouched[4] = "abc";
    SendMessage(gBar, SB_GETTEXT, 1, LPARAM(untouched));
    EXPECT_EQ(std::string(untouched), "abc");

    SendMessage(gBar, SB_SIMPLE, TRUE);
    EXPECT_TRUE(SendMessage(gBar, SB_ISSIMPLE));
    SendMessage(gBar, SB_SETTEXT, SB_SIMPLEID, LPARAM("Loading..."));
    EXPECT_EQ(StatusBarText(gBar, int(SB_SIMPLEID)), "Loading...");
    ASSERT_TRUE(SendMessage(gBar, SB_GETRECT, 0, LPARAM(&r)));
    EXPECT_EQ(r.width(), ClientRect(gBar).width());
    SendMessage(gBar, SB_SIMPLE, FALSE);
    EXPECT_EQ(StatusBarText(gBar, 1), "Запись 5 из 12") << "the panels come back as they were";
}

TEST_F(StatusBarDesktop, TheGripSizesTheWindow)
{
    RECT before = WindowRect(parent);
    RECT bar = WindowRect(gBar);
    desk.script().drag(bar.right - 4, bar.bottom - 4, bar.right + 36, bar.bottom + 26);
    desk.run();
    RECT after = WindowRect(parent);
    EXPECT_EQ(after.width(), before.width() + 40);
    EXPECT_EQ(after.height(), before.height() + 30);
    EXPECT_EQ(WindowRect(gBar).bottom, WindowRect(gBar).top + 20);
}

}  // namespace
}  // namespace plat
