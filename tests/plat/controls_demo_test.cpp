#include <filesystem>
#include <string>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/button_styles.h"
#include "plat/controls/edit_styles.h"
#include "plat/controls/status_bar_class.h"
#include "plat/controls/status_bar_messages.h"
#include "plat/dialogs/dialog.h"
#include "plat/dialogs/message_box.h"
#include "plat/input.h"
#include "plat/menus/menu.h"
#include "plat/menus/menu_track.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/system/sys_colors.h"
#include "plat/windowing.h"

namespace plat {
namespace {

HWND gBar;
int gAnswer = 0;   // what the message box behind OK answered
UINT gChosen = 0;  // what the context menu chose

LRESULT DemoProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_SIZE && gBar) SendMessage(gBar, WM_SIZE, w, l);
    if (m == WM_COMMAND && LOWORD(w) == 1)
        gAnswer = MessageBox(h, "Удалить статью «Словарь»?", "Sentavia", MB_YESNO | MB_ICONQUESTION);
    if (m == WM_CONTEXTMENU) {
        HMENU menu = CreatePopupMenu();
        AppendMenu(menu, MF_STRING, 101, "&Копировать");
        AppendMenu(menu, MF_STRING, 102, "&Удалить\tCtrl+Del");
        AppendMenu(menu, MF_SEPARATOR, 0);
        AppendMenu(menu, MF_STRING, 103, "&Свойства");
        gChosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD, GET_X_LPARAM(l), GET_Y_LPARAM(l), h));
        DestroyMenu(menu);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

// The window of a reference book made of standard controls, used by mouse, wheel and keys, then
// shot: white edit fields with the default font, grey buttons, the status bar along the bottom.
TEST(ControlsDemo, ReferenceBookWindowIsUsableAndTidy)
{
    HeadlessDesktop desk;
    gBar = {};
    WNDCLASSEX wc;
    wc.lpfnWndProc = DemoProc;
    wc.lpszClassName = "ControlsDemo";
    wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
    RegisterClassEx(wc);
    HWND top = CreateWindowEx(0, "ControlsDemo", "Sentavia", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 480, 360, {});
    HWND edit = CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10,
                               10, 300, 21, top, ChildId(10));
    std::string text;
    for (int i = 1; i <= 30; ++i)
        text += "Статья " + std::to_string(i) + ". A long line of the memo that wraps inside its box, word by word, as articles do.\r\n";
    HWND memo = CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", text, WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 10,
                               40, 450, 220, top, ChildId(11));
    HWND ok = CreateWindowEx(0, "Button", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 300, 270, 75, 23, top,
                             ChildId(1));
    CreateWindowEx(0, "Button", "Cancel", WS_CHILD | WS_VISIBLE, 385, 270, 75, 23, top, ChildId(2));
    gBar = CreateWindowEx(0, kStatusBarClassName, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, top,
                          ChildId(50));
    int rights[] = {200, -1};
    SendMessage(gBar, SB_SETPARTS, 2, LPARAM(rights));
    SendMessage(gBar, SB_SETTEXT, 0, LPARAM("Ready"));
    SendMessage(gBar, SB_SETTEXT, 1, LPARAM("30 articles"));
    desk.run();

    RECT m = WindowRect(memo);
    RECT e = WindowRect(edit);
    desk.script().click(m.left + 100, m.top + 60).wheel(-WHEEL_DELTA);
    desk.script().click(e.left + 20, e.top + 10).type("Поиск: словарь");
    desk.script().keyDown(VK_SHIFT).keyDown(VK_CONTROL).key(VK_LEFT).keyUp(VK_CONTROL).keyUp(VK_SHIFT);
    desk.run();
    EXPECT_EQ(GetWindowText(edit), "Поиск: словарь");
    EXPECT_EQ(SendMessage(memo, EM_GETFIRSTVISIBLELINE), 3);
    EXPECT_EQ(GetScrollPos(memo, SB_VERT), 3);
    EXPECT_EQ(GetFocus(), edit);

    // The caret sits at the selection's moving end, inside the field.
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    LRESULT at = SendMessage(edit, EM_POSFROMCHAR, 7);
    EXPECT_EQ(caret.x, GET_X_LPARAM(at));
    RECT ec = ClientRect(edit);
    EXPECT_GE(caret.y, 0);
    EXPECT_LE(caret.y + 13, ec.bottom);

    // The status bar spans the bottom of the client area; the buttons and fields do not overlap it.
    RECT bar = WindowRect(gBar);
    RECT client = ClientRect(top);
    MapWindowRect(top, HWND{}, &client);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.left, client.left);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_LE(WindowRect(ok).bottom, bar.top);

    // Colours: white fields, grey faces.
    RECT t = WindowRect(top);
    gfx::Bitmap shot = desk.windowShot(top);
    auto at_ = [&](int x, int y) { return shot.pixel(x - t.left, y - t.top); };
    EXPECT_EQ(at_(m.right - 40, m.bottom - 6), GetSysColor(COLOR_WINDOW)) << "the memo's field";
    EXPECT_EQ(at_(WindowRect(ok).left + 5, WindowRect(ok).top + 5), GetSysColor(COLOR_BTNFACE)) << "a button face";
    EXPECT_EQ(at_(bar.left + 100, bar.top + 1), GetSysColor(COLOR_BTNFACE));

    std::filesystem::create_directories(SENTAVIA_TEST_OUT);
    desk.saveScreenshot(std::string(SENTAVIA_TEST_OUT) + "/controls_demo.png");

    // OK asks a question in a message box, answered by keys; a right click opens a menu, chosen by keys.
    RECT okr = WindowRect(ok);
    gAnswer = 0;
    desk.script().click(okr.left + 20, okr.top + 10);
    desk.script().call([&] { desk.saveScreenshot(std::string(SENTAVIA_TEST_OUT) + "/controls_demo_box.png"); });
    desk.script().key(VK_TAB).key(VK_RETURN);  // from Yes to No, and press it
    desk.run();
    EXPECT_EQ(gAnswer, IDNO);
    EXPECT_TRUE(IsWindowEnabled(top));
    EXPECT_EQ(GetActiveWindow(), top);
    gChosen = 0;
    desk.script().click(client.left + 300, client.top + 285, MouseButton::Right);
    desk.script().key(VK_DOWN).key(VK_DOWN).call(
        [&] { desk.saveScreenshot(std::string(SENTAVIA_TEST_OUT) + "/controls_demo_menu.png"); });
    desk.script().key(VK_RETURN);
    desk.run();
    EXPECT_EQ(gChosen, 102u);
    gBar = {};
}

}  // namespace
}  // namespace plat
