#include "base/error.h"
#include "plat/window/raw_input.h"
#include "plat/window_fixture.h"

namespace plat::testing {
namespace {

using WindowInput = WindowDesktop;

TEST_F(WindowInput, CaptureKeepsTheMouseAndLeaveIsTracked)
{
    HWND top = probe("top", {0, 0, 400, 300}, {}, WS_POPUP | WS_VISIBLE);
    HWND a = probe("a", {10, 10, 110, 110}, top);
    desk.script().move(50, 50);
    desk.run();
    TRACKMOUSEEVENT tme{TME_LEAVE, a, 0};
    ASSERT_TRUE(TrackMouseEvent(&tme));
    SetCapture(a);
    TheJournal().clear();
    // Outside the window the captured mouse still reaches it, and the leave comes at once.
    desk.script().move(300, 200).press().release();
    desk.run();
    EXPECT_EQ(TheJournal().joined("a:"), "a:MOUSELEAVE a:LBUTTONDOWN a:LBUTTONUP");
    ReleaseCapture();
    EXPECT_EQ(TheJournal().lines.back(), "a:CAPTURECHANGED");
    TheJournal().clear();
    desk.script().click(300, 200);
    desk.run();
    EXPECT_EQ(TheJournal().joined(), "top:LBUTTONDOWN top:LBUTTONUP");
}

TEST_F(WindowInput, InputQueuedTogetherIsRoutedAsTheLoopTakesIt)
{
    HWND a = probe("a", {0, 0, 100, 100}, {}, WS_POPUP | WS_VISIBLE);
    probe("b", {200, 0, 300, 100}, {}, WS_POPUP | WS_VISIBLE);
    struct Capturer {
        WndProc previous;
        LRESULT proc(HWND h, UINT m, WPARAM w, LPARAM l)
        {
            if (m == WM_LBUTTONDOWN) SetCapture(h);
            if (m == WM_LBUTTONUP) ReleaseCapture();
            return CallWindowProc(previous, h, m, w, l);
        }
    } c;
    c.previous = SetWindowProc(a, BindWndProc<&Capturer::proc>(&c));
    desk.run();
    TheJournal().clear();
    // A fast backend hands over the press and the release at once: the release, over b, still
    // belongs to a, which took the capture on the press.
    RawMouseButton(MouseButton::Left, true, {50, 50});
    RawMouseButton(MouseButton::Left, false, {250, 50});
    desk.run();
    std::string j = TheJournal().joined();
    EXPECT_NE(j.find("a:LBUTTONDOWN a:CAPTURECHANGED a:LBUTTONUP"), std::string::npos) << j;
    EXPECT_EQ(j.find("b:LBUTTON"), std::string::npos) << j;
    SetWindowProc(a, c.previous);
}

TEST_F(WindowInput, DoubleClicksNeedTheClassStyleAndTheTime)
{
    HWND top = probe("top", {0, 0, 400, 300}, {}, WS_POPUP | WS_VISIBLE);
    (void)top;
    desk.script().click(50, 50).click(50, 50);
    desk.run();
    EXPECT_EQ(TheJournal().joined("top:L"), "top:LBUTTONDOWN top:LBUTTONUP top:LBUTTONDBLCLK top:LBUTTONUP");
    TheJournal().clear();
    desk.script().click(50, 50).advance(GetDoubleClickTime() + 1).click(50, 50);
    desk.run();
    EXPECT_EQ(TheJournal().joined("top:L"), "top:LBUTTONDOWN top:LBUTTONUP top:LBUTTONDOWN top:LBUTTONUP");
}

TEST_F(WindowInput, KeysAndTextGoToTheFocus)
{
    HWND top = probe("top", {0, 0, 400, 300});
    HWND edit = probe("edit", {10, 10, 110, 40}, top);
    SetFocus(edit);
    std::u32string typed;
    struct Catch {
        std::u32string* out;
        WndProc previous;
        LRESULT proc(HWND h, UINT m, WPARAM w, LPARAM l)
        {
            if (m == WM_CHAR) *out += char32_t(w);
            return CallWindowProc(previous, h, m, w, l);
        }
    } c{&typed, {}};
    c.previous = SetWindowProc(edit, BindWndProc<&Catch::proc>(&c));
    desk.script().type("Жук").key(VK_RETURN).chord(VK_CONTROL, 'C');
    desk.run();
    EXPECT_EQ(typed, U"Жук\r\x03");
    // Alt+F4 closes the top-level window of the focus.
    desk.script().chord(VK_MENU, VK_F4);
    desk.run();
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(WindowInput, DisabledOwnerSendsClicksToItsModalWindow)
{
    HWND owner = probe("owner", {0, 0, 400, 300});
    HWND modal = CreateWindowEx(0, "Probe", "modal", WS_POPUP | WS_CAPTION | WS_VISIBLE, 500, 100, 200, 100, owner);
    EnableWindow(owner, FALSE);
    SetActiveWindow(owner);  // something else took activation
    TheJournal().clear();
    desk.script().click(100, 100).type("x");
    desk.run();
    EXPECT_EQ(TheJournal().joined("owner:L"), "");
    EXPECT_EQ(GetActiveWindow(), modal);
}

TEST_F(WindowInput, TimersFireInOrderOnTheVirtualClock)
{
    HWND h = probe("h", {0, 0, 100, 100});
    std::vector<std::pair<std::uintptr_t, DWORD>> fired;
    struct Catch {
        std::vector<std::pair<std::uintptr_t, DWORD>>* out;
        WndProc previous;
        LRESULT proc(HWND hw, UINT m, WPARAM w, LPARAM l)
        {
            if (m == WM_TIMER) out->push_back({std::uintptr_t(w), GetMessageTime()});
            return CallWindowProc(previous, hw, m, w, l);
        }
    } c{&fired, {}};
    c.previous = SetWindowProc(h, BindWndProc<&Catch::proc>(&c));
    SetTimer(h, 1, 100);
    SetTimer(h, 2, 250);
    desk.script().advance(500).call([&] { KillTimer(h, 1); }).advance(300);
    desk.run();
    std::vector<std::pair<std::uintptr_t, DWORD>> want{{1, 100}, {1, 200}, {2, 250}, {1, 300}, {1, 400},
                                                       {2, 500}, {1, 500}, {2, 750}};  // a tie: the one armed first
    EXPECT_EQ(fired, want);
    SetWindowProc(h, c.previous);  // the catcher ends with this test
}

TEST_F(WindowInput, ModalLoopRunsOnTheScriptAndNeverWaitsForEver)
{
    HWND h = probe("h", {0, 0, 200, 200}, {}, WS_POPUP | WS_VISIBLE);
    // A nested loop, as a menu or a dialog runs one, ended by a click.
    desk.script().advance(10).click(20, 20);
    int clicks = 0;
    MSG msg;
    while (clicks == 0 && GetMessage(&msg)) {
        if (msg.message == WM_LBUTTONUP && msg.hwnd == h) ++clicks;
        DispatchMessage(&msg);
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetTickCount(), 10u);
    // With the script spent, waiting for input is an error rather than a hang.
    EXPECT_THROW(
        {
            while (GetMessage(&msg)) DispatchMessage(&msg);
        },
        base::Error);
}

TEST_F(WindowInput, WheelGoesToTheFocusAndUpToItsParent)
{
    HWND top = probe("top", {0, 0, 400, 300});
    HWND kid = probe("kid", {10, 10, 110, 40}, top);
    SetFocus(kid);
    desk.run();
    TheJournal().clear();
    desk.script().move(300, 200).wheel(-WHEEL_DELTA);
    desk.run();
    EXPECT_EQ(TheJournal().joined(), "kid:MOUSEWHEEL top:MOUSEWHEEL");
}

}  // namespace
}  // namespace plat::testing
