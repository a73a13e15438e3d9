#include <functional>
#include <string>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_styles.h"
#include "plat/controls/controls_registry.h"
#include "plat/controls/edit_styles.h"
#include "plat/controls/static_styles.h"
#include "plat/controls/status_bar_class.h"
#include "plat/controls/status_bar_messages.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/services/clipboard.h"
#include "plat/system/sys_colors.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace plat {
namespace {

// The parent destroys the control when it hears the chosen message (and, for WM_COMMAND, code).
UINT gKillMessage;
WORD gKillCode;
int gKills;

LRESULT KillingParent(HWND h, UINT m, WPARAM w, LPARAM l)
{
    bool fromControl = m == WM_COMMAND || (m >= WM_CTLCOLOREDIT && m <= WM_CTLCOLORSTATIC);
    if (m == gKillMessage && (m != WM_COMMAND || HIWORD(w) == gKillCode)) {
        HWND control = fromControl ? HwndFromParam(std::uint64_t(l)) : GetDlgItem(h, 100);
        if (IsWindow(control)) {
            ++gKills;
            DestroyWindow(control);
        }
        if (m == WM_SYSCOMMAND) return 0;
    }
    return DefWindowProc(h, m, w, l);
}

struct Case {
    const char* name;
    const char* className;
    DWORD style;
    const char* text;
    UINT message;  // what the parent gets when it destroys the control
    WORD code;
    // Sets the scene (the control given) and then does what sends the message.
    std::function<void(HeadlessDesktop&, HWND)> act;
};

POINT Centre(HWND h)
{
    RECT r = WindowRect(h);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

auto Click = [](HeadlessDesktop& d, HWND c) {
    POINT p = Centre(c);
    d.script().click(p.x, p.y);
};
auto Type = [](HeadlessDesktop& d, HWND) { d.script().type("x"); };
auto Repaint = [](HeadlessDesktop&, HWND c) { InvalidateRect(c, nullptr, TRUE); };

constexpr DWORD kMemo = ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL;
const char* const kManyLines = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n14";

// Every notification a control sends may be the last thing it lives through: the parent destroys
// it there, and the control neither uses its freed state nor does anything more to its handle.
TEST(ControlLifetime, ControlsSurviveTheirDestructionInsideTheirNotifications)
{
    const Case cases[] = {
        {"edit typing EN_UPDATE", "Edit", ES_AUTOHSCROLL, "", WM_COMMAND, EN_UPDATE, Type},
        {"edit typing EN_CHANGE", "Edit", ES_AUTOHSCROLL, "", WM_COMMAND, EN_CHANGE, Type},
        {"memo typing EN_UPDATE", "Edit", kMemo, kManyLines, WM_COMMAND, EN_UPDATE, Type},
        {"edit full EN_MAXTEXT", "Edit", ES_AUTOHSCROLL, "ab", WM_COMMAND, EN_MAXTEXT,
         [](HeadlessDesktop& d, HWND c) {
             SendMessage(c, EM_LIMITTEXT, 2);
             d.script().type("x");
         }},
        {"edit paste EN_UPDATE", "Edit", ES_AUTOHSCROLL, "", WM_COMMAND, EN_UPDATE,
         [](HeadlessDesktop& d, HWND c) {
             OpenClipboard(GetParent(c));
             EmptyClipboard();
             SetClipboardText("pasted");
             CloseClipboard();
             d.script().keyDown(VK_CONTROL).key('V').keyUp(VK_CONTROL);
         }},
        {"edit delete EN_CHANGE", "Edit", ES_AUTOHSCROLL, "abc", WM_COMMAND, EN_CHANGE,
         [](HeadlessDesktop& d, HWND) { d.script().key(VK_DELETE); }},
        {"edit undo EN_UPDATE", "Edit", ES_AUTOHSCROLL, "abc", WM_COMMAND, EN_UPDATE,
         [](HeadlessDesktop& d, HWND c) {
             SendMessage(c, EM_REPLACESEL, TRUE, LPARAM("x"));
             d.script().keyDown(VK_CONTROL).key('Z').keyUp(VK_CONTROL);
         }},
        {"edit click EN_SETFOCUS", "Edit", ES_AUTOHSCROLL, "abc", WM_COMMAND, EN_SETFOCUS,
         [](HeadlessDesktop& d, HWND c) {
             SetFocus(GetParent(c));
             Click(d, c);
         }},
        {"edit leaving EN_KILLFOCUS", "Edit", ES_AUTOHSCROLL, "abc", WM_COMMAND, EN_KILLFOCUS,
         [](HeadlessDesktop&, HWND c) { SetFocus(GetParent(c)); }},
        {"memo Page Down EN_VSCROLL", "Edit", kMemo, kManyLines, WM_COMMAND, EN_VSCROLL,
         [](HeadlessDesktop& d, HWND) { d.script().key(VK_NEXT); }},
        {"memo wheel EN_VSCROLL", "Edit", kMemo, kManyLines, WM_COMMAND, EN_VSCROLL,
         [](HeadlessDesktop& d, HWND c) {
             POINT p = Centre(c);
             d.script().move(p.x, p.y).wheel(-WHEEL_DELTA);
         }},
        {"edit paint WM_CTLCOLOREDIT", "Edit", ES_AUTOHSCROLL, "abc", WM_CTLCOLOREDIT, 0, Repaint},
        {"push click BN_CLICKED", "Button", BS_PUSHBUTTON, "OK", WM_COMMAND, BN_CLICKED, Click},
        {"push space BN_CLICKED", "Button", BS_PUSHBUTTON, "OK", WM_COMMAND, BN_CLICKED,
         [](HeadlessDesktop& d, HWND) { d.script().key(VK_SPACE); }},
        {"check box click BN_CLICKED", "Button", BS_AUTOCHECKBOX, "Check", WM_COMMAND, BN_CLICKED, Click},
        {"radio click BN_CLICKED", "Button", BS_AUTORADIOBUTTON, "Radio", WM_COMMAND, BN_CLICKED, Click},
        {"push press BN_HILITE", "Button", BS_PUSHBUTTON | BS_NOTIFY, "OK", WM_COMMAND, BN_HILITE, Click},
        {"push click BN_SETFOCUS", "Button", BS_PUSHBUTTON | BS_NOTIFY, "OK", WM_COMMAND, BN_SETFOCUS,
         [](HeadlessDesktop& d, HWND c) {
             SetFocus(GetParent(c));
             Click(d, c);
         }},
        {"push leaving BN_KILLFOCUS", "Button", BS_PUSHBUTTON | BS_NOTIFY, "OK", WM_COMMAND, BN_KILLFOCUS,
         [](HeadlessDesktop&, HWND c) { SetFocus(GetParent(c)); }},
        {"push paint WM_CTLCOLORBTN", "Button", BS_PUSHBUTTON, "OK", WM_CTLCOLORBTN, 0, Repaint},
        {"check paint WM_CTLCOLORSTATIC", "Button", BS_AUTOCHECKBOX, "Check", WM_CTLCOLORSTATIC, 0, Repaint},
        {"static click STN_CLICKED", "Static", SS_NOTIFY, "Label", WM_COMMAND, STN_CLICKED, Click},
        {"static double click STN_DBLCLK", "Static", SS_NOTIFY, "Label", WM_COMMAND, STN_DBLCLK,
         [](HeadlessDesktop& d, HWND c) {
             POINT p = Centre(c);
             d.script().doubleClick(p.x, p.y);
         }},
        {"static paint WM_CTLCOLORSTATIC", "Static", SS_LEFT, "Label", WM_CTLCOLORSTATIC, 0, Repaint},
        {"status grip WM_SYSCOMMAND", kStatusBarClassName, SBARS_SIZEGRIP, "Ready", WM_SYSCOMMAND, 0,
         [](HeadlessDesktop& d, HWND c) {
             RECT r = WindowRect(c);
             d.script().click(r.right - 4, r.bottom - 4);
         }},
    };

    HeadlessDesktop desk;
    InstallPlainFrame();
    RegisterStandardControls();
    WNDCLASSEX wc;
    wc.lpfnWndProc = KillingParent;
    wc.lpszClassName = "KillingParent";
    wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
    RegisterClassEx(wc);
    HWND parent = CreateWindowEx(0, "KillingParent", "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 240, {});
    desk.run();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gKillMessage = 0;
        gKills = 0;
        HWND control = CreateWindowEx(0, c.className, c.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style, 20, 20, 160,
                                      60, parent, ChildId(100));
        ASSERT_TRUE(control);
        SetFocus(control);
        desk.run();
        gKillMessage = c.message;
        gKillCode = c.code;
        c.act(desk, control);
        desk.run();
        gKillMessage = 0;
        EXPECT_EQ(gKills, 1) << "the parent heard the message once";
        EXPECT_FALSE(IsWindow(control));
        EXPECT_EQ(GetCapture(), HWND{}) << "a dead control holds no capture";
        // The parent goes on working with a new control of the same class.
        HWND next = CreateWindowEx(0, c.className, "next", WS_CHILD | WS_VISIBLE | c.style, 20, 20, 160, 60, parent,
                                   ChildId(101));
        SetFocus(next);
        desk.run();
        EXPECT_EQ(GetWindowText(next), "next");
        DestroyWindow(next);
        desk.run();
    }
}

}  // namespace
}  // namespace plat
