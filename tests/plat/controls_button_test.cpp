#include <vector>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_styles.h"
#include "plat/controls/controls_registry.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/system/sys_colors.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace plat {
namespace {

struct Click {
    int id;
    WORD code;
};
std::vector<Click> gClicks;

LRESULT ParentProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_COMMAND) gClicks.push_back({LOWORD(w), HIWORD(w)});
    return DefWindowProc(h, m, w, l);
}

class ButtonDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPlainFrame();
        RegisterStandardControls();
        gClicks.clear();
        WNDCLASSEX wc;
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = "ButtonTestParent";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
        RegisterClassEx(wc);
        parent = CreateWindowEx(0, "ButtonTestParent", "Buttons", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300, {});
        desk.run();
    }
    HWND button(DWORD style, int id, RECT r, std::string_view text = "OK")
    {
        HWND b = CreateWindowEx(0, "Button", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, r.left, r.top, r.width(),
                                r.height(), parent, ChildId(id));
        desk.run();
        return b;
    }
    POINT centre(HWND h)
    {
        RECT r = WindowRect(h);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    HeadlessDesktop desk;
    HWND parent;
};

TEST_F(ButtonDesktop, PushButtonsClickByMouseAndSpace)
{
    HWND ok = button(BS_DEFPUSHBUTTON, 1, {20, 20, 95, 43});
    HWND cancel = button(BS_PUSHBUTTON, 2, {100, 20, 175, 43}, "Cancel");
    EXPECT_EQ(SendMessage(ok, WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(SendMessage(cancel, WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);

    POINT c = centre(cancel);
    desk.script().move(c.x, c.y).press().call([&] {
        EXPECT_EQ(SendMessage(cancel, BM_GETSTATE) & BST_PUSHED, BST_PUSHED) << "held down";
    });
    desk.script().release();
    desk.run();
    ASSERT_EQ(gClicks.size(), 1u);
    EXPECT_EQ(gClicks[0].id, 2);
    EXPECT_EQ(gClicks[0].code, BN_CLICKED);
    EXPECT_EQ(GetFocus(), cancel);
    EXPECT_EQ(SendMessage(cancel, BM_GETSTATE), LRESULT(BST_FOCUS));

    // Released away from the button: no click.
    gClicks.clear();
    POINT o = centre(ok);
    desk.script().drag(o.x, o.y, o.x + 200, o.y + 100);
    desk.run();
    EXPECT_TRUE(gClicks.empty());

    // Space clicks on release.
    SetFocus(ok);
    desk.script().keyDown(VK_SPACE).call([&] {
        EXPECT_TRUE(gClicks.empty());
        EXPECT_EQ(SendMessage(ok, BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
    });
    desk.script().keyUp(VK_SPACE);
    desk.run();
    ASSERT_EQ(gClicks.size(), 1u);
    EXPECT_EQ(gClicks[0].id, 1);

    // BM_CLICK clicks; disabled buttons do not.
    SendMessage(cancel, BM_CLICK);
    EXPECT_EQ(gClicks.size(), 2u);
    EnableWindow(cancel, FALSE);
    SendMessage(cancel, BM_CLICK);
    EXPECT_EQ(gClicks.size(), 2u);
}

TEST_F(ButtonDesktop, ButtonDestroyedByItsClickIsSafe)
{
    HWND b = button(BS_PUSHBUTTON, 7, {20, 20, 95, 43});
    SetWindowProc(parent, WndProc(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                      if (m == WM_COMMAND) DestroyWindow(HwndFromParam(std::uint64_t(l)));
                      return DefWindowProc(h, m, w, l);
                  }));
    POINT c = centre(b);
    desk.script().click(c.x, c.y);
    desk.run();
    EXPECT_FALSE(IsWindow(b));
}

TEST_F(ButtonDesktop, CheckBoxesRadiosAndGroupBoxes)
{
    HWND group = button(BS_GROUPBOX, 10, {10, 10, 250, 150}, "Options");
    HWND check = button(BS_AUTOCHECKBOX, 11, {20, 30, 200, 47}, "Remember");
    HWND r1 = button(BS_AUTORADIOBUTTON | WS_GROUP, 12, {20, 55, 200, 72}, "One");
    HWND r2 = button(BS_AUTORADIOBUTTON, 13, {20, 80, 200, 97}, "Two");
    EXPECT_EQ(SendMessage(group, WM_GETDLGCODE), DLGC_STATIC);
    desk.run();
    // The box paints its frame and title only: the controls inside it show, whichever is on top.
    gfx::Bitmap shot = desk.windowShot(check);
    int white = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < 16; ++x) white += shot.pixel(x, y) == GetSysColor(COLOR_WINDOW);
    EXPECT_GT(white, 50) << "the check box's square";

    POINT c = centre(check);
    desk.script().click(c.x, c.y);
    desk.run();
    EXPECT_EQ(SendMessage(check, BM_GETCHECK), LRESULT(BST_CHECKED));
    desk.script().key(VK_SPACE);
    desk.run();
    EXPECT_EQ(SendMessage(check, BM_GETCHECK), LRESULT(BST_UNCHECKED));
    SendMessage(check, BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK), LRESULT(BST_CHECKED)) << "two-state boxes have no third state";

    SendMessage(r1, BM_CLICK);
    EXPECT_EQ(SendMessage(r1, BM_GETCHECK), LRESULT(BST_CHECKED));
    SendMessage(r2, BM_CLICK);
    EXPECT_EQ(SendMessage(r1, BM_GETCHECK), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(SendMessage(r2, BM_GETCHECK), LRESULT(BST_CHECKED));

    // The group box lets clicks through to what lies under it.
    RECT g = WindowRect(group);
    POINT inside{g.left + 200, g.top + 120};
    EXPECT_NE(WindowFromPoint(inside), group);
}

}  // namespace
}  // namespace plat
