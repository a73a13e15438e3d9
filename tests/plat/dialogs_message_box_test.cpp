#include <filesystem>

#include "dialogs_fixture.h"
#include "plat/hook.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/plain_frame.h"

namespace plat::dialog_test {
namespace {

TEST_F(DialogDesktop, MessageBoxAnswers)
{
    struct Case {
        const char* name;
        UINT type;
        std::vector<UINT> keys;
        std::string typed;
        int clickId;  // a button to click, 0 for none
        int expected;
        bool closeBox = false;  // the caption's close box is clicked first
        bool altF4 = false;     // Alt+F4 is pressed first
    } cases[] = {
        {"enter on OK", MB_OK, {VK_RETURN}, "", 0, IDOK},
        {"escape on a lone OK", MB_OK | MB_ICONINFORMATION, {VK_ESCAPE}, "", 0, IDOK},
        {"escape is cancel", MB_OKCANCEL | MB_ICONQUESTION, {VK_ESCAPE}, "", 0, IDCANCEL},
        {"enter on the second default", MB_YESNOCANCEL | MB_DEFBUTTON2, {VK_RETURN}, "", 0, IDNO},
        {"tab then enter presses the focused", MB_YESNO, {VK_TAB, VK_RETURN}, "", 0, IDNO},
        {"escape does nothing without cancel", MB_YESNO | MB_ICONWARNING, {VK_ESCAPE}, "y", 0, IDYES},
        {"access key", MB_ABORTRETRYIGNORE | MB_ICONERROR, {}, "i", 0, IDIGNORE},
        {"click retry", MB_RETRYCANCEL, {}, "", IDRETRY, IDRETRY},
        {"click cancel", MB_OKCANCEL, {}, "", IDCANCEL, IDCANCEL},
        {"close box is cancel", MB_YESNOCANCEL, {}, "", 0, IDCANCEL, true},
        {"close box does nothing without cancel", MB_YESNO, {}, "n", 0, IDNO, true},
        {"alt+f4 is cancel", MB_RETRYCANCEL, {}, "", 0, IDCANCEL, false, true},
        {"alt+f4 does nothing without cancel", MB_ABORTRETRYIGNORE, {}, "r", 0, IDRETRY, false, true},
    };
    for (const Case& c : cases) {
        if (c.type == MB_YESNO && c.closeBox)
            desk.script().call([&] {
                std::filesystem::create_directories(SENTAVIA_TEST_OUT);
                desk.saveScreenshot(std::string(SENTAVIA_TEST_OUT) + "/message_box_yes_no.png");
            });
        bool ownerDisabled = false;
        desk.script().call([&] {
            HWND box = FindWindow(kDialogClassName, "Question");
            ASSERT_TRUE(box) << c.name;
            ownerDisabled = !IsWindowEnabled(owner);
            EXPECT_EQ(GetActiveWindow(), box) << c.name;
            UINT kind = c.type & MB_TYPEMASK;
            bool cancellable = kind == MB_OK || kind == MB_OKCANCEL || kind == MB_YESNOCANCEL || kind == MB_RETRYCANCEL;
            EXPECT_EQ(CanCloseWindow(box), cancellable) << c.name;
            if (c.closeBox) {
                RECT w = WindowRect(box);
                RECT close = LayoutFrameOf(box).close;
                desk.script().click(w.left + close.left + close.width() / 2, w.top + close.top + close.height() / 2);
            }
            if (c.altF4) desk.script().chord(VK_MENU, VK_F4);
            for (UINT k : c.keys) desk.script().key(k);
            desk.script().type(c.typed);
            if (c.clickId) {
                POINT p = CentreOf(GetDlgItem(box, c.clickId));
                desk.script().click(p.x, p.y);
            }
        });
        EXPECT_EQ(MessageBox(owner, "Do it?", "Question", c.type), c.expected) << c.name;
        EXPECT_TRUE(ownerDisabled) << c.name;
        EXPECT_TRUE(IsWindowEnabled(owner)) << c.name;
        EXPECT_EQ(GetActiveWindow(), owner) << c.name;
        EXPECT_FALSE(FindWindow(kDialogClassName, "Question")) << c.name;
        desk.run();
    }
}

TEST_F(DialogDesktop, MessageBoxIsADialogOfStaticsAndButtonsCentredOnItsOwner)
{
    std::vector<std::string> activated;
    static std::vector<std::string>* gActivated;
    gActivated = &activated;
    HHOOK hook = SetWindowsHookEx(WH_CBT, [](int code, WPARAM w, LPARAM l) -> LRESULT {
        if (code == HCBT_ACTIVATE) gActivated->push_back(GetClassName(HwndFromParam(w)));
        return CallNextHookEx({}, code, w, l);
    });
    std::string longText;
    for (int i = 0; i < 30; ++i) longText += "A rather long message that has to wrap. ";
    desk.script().call([&] {
        HWND box = FindWindow(kDialogClassName, "Sentavia");
        ASSERT_TRUE(box);
        EXPECT_EQ(GetParent(box), owner);
        RECT b = WindowRect(box), o = WindowRect(owner);
        EXPECT_LE(std::abs((b.left + b.right) - (o.left + o.right)), 1);
        EXPECT_LE(std::abs((b.top + b.bottom) - (o.top + o.bottom)), 1);
        EXPECT_FALSE(GetWindowStyle(box) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        HWND icon = GetDlgItem(box, kMessageBoxIconId);
        HWND text = GetDlgItem(box, kMessageBoxTextId);
        ASSERT_TRUE(icon && text);
        EXPECT_EQ(GetClassName(icon), "Static");
        EXPECT_EQ(GetWindowStyle(icon) & SS_TYPEMASK, SS_ICON);
        EXPECT_EQ(GetWindowText(text), longText);
        EXPECT_LE(WindowRect(text).width(), kMessageBoxMaxTextWidth + 1);
        EXPECT_GT(WindowRect(text).height(), 40);  // wrapped onto several lines
        // Buttons 75x23 in one centred row.
        RECT yes = WindowRect(GetDlgItem(box, IDYES)), no = WindowRect(GetDlgItem(box, IDNO));
        EXPECT_EQ(yes.width(), 75);
        EXPECT_EQ(yes.height(), 23);
        EXPECT_EQ(yes.top, no.top);
        RECT client = ClientRect(box);
        POINT origin{0, 0};
        ClientToScreen(box, &origin);
        EXPECT_LE(std::abs((yes.left - origin.x) - (client.right - (no.right - origin.x))), 1);
        EXPECT_EQ(GetClassName(GetDlgItem(box, IDYES)), "Button");
        desk.saveScreenshot("/tmp/sentavia_message_box.png");
    }).key(VK_RETURN);
    EXPECT_EQ(MessageBox(owner, longText, "Sentavia", MB_YESNO | MB_ICONQUESTION), IDYES);
    UnhookWindowsHookEx(hook);
    ASSERT_FALSE(activated.empty());
    EXPECT_EQ(activated.front(), kDialogClassName);
}

TEST_F(DialogDesktop, MessageBoxWithoutOwnerSitsOnTheWorkArea)
{
    desk.script().call([&] {
        HWND box = FindWindow(kDialogClassName, "Error");  // an empty caption reads Error
        ASSERT_TRUE(box);
        RECT b = WindowRect(box), work = GetWorkArea();
        EXPECT_LE(std::abs((b.left + b.right) - (work.left + work.right)), 1);
        EXPECT_TRUE(work.contains(b));
        desk.saveWindowShot(box, "/tmp/sentavia_message_box_error.png");
    }).key(VK_RETURN);
    EXPECT_EQ(MessageBox({}, "Unable to write to /home/user/.config/sentavia.ini", "", MB_OK | MB_ICONERROR), IDOK);
}

}  // namespace
}  // namespace plat::dialog_test
