#include <functional>
#include <string>

#include "base/error.h"
#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/dialogs/dialog.h"
#include "plat/dialogs/message_box.h"
#include "plat/menus/menu.h"
#include "plat/menus/menu_track.h"
#include "plat/modal_loop.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/system/sys_colors.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace plat {
namespace {

// A "Doomed" window destroys itself (or throws) on the nth arrival of gDoom.message.
struct Doom {
    UINT message = 0;
    int nth = 0;
    bool throws = false;
};
Doom gDoom;
int gScrolls = 0;  // WM_VSCROLL heard

LRESULT DoomedProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == gDoom.message && gDoom.nth > 0 && --gDoom.nth == 0) {
        if (gDoom.throws) throw base::Error("thrown on purpose");
        DestroyWindow(h);
    }
    if (m == WM_VSCROLL) {
        ++gScrolls;
        if (LOWORD(w) == SB_LINEDOWN && IsWindow(h)) SetScrollPos(h, SB_VERT, GetScrollPos(h, SB_VERT) + 1, TRUE);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

enum class Loop { MessageBox, Menu, Move, Size, Arrow, CloseBox };

// The screen points the mouse loops start from, on a window made by make().
POINT Caption() { return {200, 110}; }
POINT BottomRight() { return {399, 299}; }
POINT ArrowDown(HWND h)
{
    FrameLayout f = LayoutFrameOf(h);
    return {100 + f.vscroll.left + 8, 100 + f.vscroll.bottom - 8};
}
POINT CloseBox(HWND h)
{
    FrameLayout f = LayoutFrameOf(h);
    return {100 + f.close.left + 5, 100 + f.close.top + 5};
}

// Runs the loop until it returns; its answer (the box's button, the menu's command, else 0).
int RunLoop(Loop loop, HWND h, HeadlessDesktop& desk, HMENU menu)
{
    switch (loop) {
    case Loop::MessageBox: return MessageBox(h, "Delete the entry?", "Sentavia", MB_OKCANCEL);
    case Loop::Menu: return int(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, h));
    default: desk.run(); return 0;
    }
}

class ModalLoops : public ::testing::Test {
protected:
    void SetUp() override
    {
        gDoom = {};
        WNDCLASSEX wc;
        wc.lpfnWndProc = DoomedProc;
        wc.lpszClassName = "Doomed";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_WINDOW + 1));
        ASSERT_NE(RegisterClassEx(wc), 0);
    }
    void TearDown() override { gDoom = {}; }
    HWND make()
    {
        HWND h = CreateWindowEx(0, "Doomed", "Doomed", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 100, 100, 300, 200, {});
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE;
        si.nMax = 99;
        si.nPage = 10;
        SetScrollInfo(h, SB_VERT, &si, TRUE);
        SetActiveWindow(h);
        desk.run();
        return h;
    }
    static int TopLevelWindows()
    {
        int n = 0;
        EnumWindows([&](HWND) {
            ++n;
            return true;
        });
        return n;
    }
    // The loop run again on a new window, to its end as the user would.
    void runToItsEnd(Loop loop, HMENU menu, const std::string& name)
    {
        HWND again = make();
        RECT before = WindowRect(again);
        switch (loop) {
        case Loop::MessageBox:
            desk.script().key(VK_RETURN);
            EXPECT_EQ(RunLoop(loop, again, desk, menu), IDOK) << name;
            break;
        case Loop::Menu:
            desk.script().key(VK_DOWN).key(VK_DOWN).key(VK_RETURN);
            EXPECT_EQ(RunLoop(loop, again, desk, menu), 102) << name;
            break;
        case Loop::Move:
            desk.script().drag(Caption().x, Caption().y, Caption().x + 50, Caption().y + 30);
            RunLoop(loop, again, desk, menu);
            EXPECT_EQ(WindowRect(again), before.offset(50, 30)) << name;
            break;
        case Loop::Size:
            desk.script().drag(BottomRight().x, BottomRight().y, BottomRight().x + 60, BottomRight().y + 40);
            RunLoop(loop, again, desk, menu);
            EXPECT_EQ(WindowRect(again), (RECT{100, 100, 460, 340})) << name;
            break;
        case Loop::Arrow:
            desk.script().click(ArrowDown(again).x, ArrowDown(again).y);
            RunLoop(loop, again, desk, menu);
            EXPECT_EQ(GetScrollPos(again, SB_VERT), 1) << name;
            break;
        case Loop::CloseBox:
            desk.script().click(CloseBox(again).x, CloseBox(again).y);
            RunLoop(loop, again, desk, menu);
            EXPECT_FALSE(IsWindow(again)) << name << ": closed";
            break;
        }
        EXPECT_EQ(GetCapture(), HWND{}) << name;
        EXPECT_TRUE(IsWindowEnabled(again) || !IsWindow(again)) << name;
        DestroyWindow(again);
        desk.run();
    }
    HeadlessDesktop desk;
};

// A loop whose owner is destroyed from inside it (by the script while it waits for input, or by
// a handler of the owner) returns at once instead of waiting for input that can never come, and
// leaves nothing behind; the same loop then runs to its end.
TEST_F(ModalLoops, OwnerDestroyedInsideTheLoopEndsIt)
{
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 101, "&New");
    AppendMenu(menu, MF_STRING, 102, "&Open");
    using Steps = std::function<void(InputScript&, HWND)>;
    struct Case {
        const char* name;
        Loop loop;
        Doom doom;  // none: the script's last step destroys the window
        Steps steps;
    } cases[] = {
        {"message box, by the script", Loop::MessageBox, {}, [](InputScript&, HWND) {}},
        {"message box, on the owner's timer", Loop::MessageBox, {WM_TIMER, 1}, [](InputScript& s, HWND) { s.advance(200); }},
        {"menu, on the owner's timer", Loop::Menu, {WM_TIMER, 1}, [](InputScript& s, HWND) { s.key(VK_DOWN).advance(200); }},
        {"moving, by the script", Loop::Move, {},
         [](InputScript& s, HWND) { s.move(Caption().x, Caption().y).press().move(220, 120); }},
        {"moving, on WM_MOVING", Loop::Move, {WM_MOVING, 1},
         [](InputScript& s, HWND) { s.move(Caption().x, Caption().y).press().move(220, 120).move(230, 130).release(); }},
        {"sizing, on WM_SIZING", Loop::Size, {WM_SIZING, 1},
         [](InputScript& s, HWND) { s.move(BottomRight().x, BottomRight().y).press().move(420, 320).release(); }},
        {"held arrow, by the script", Loop::Arrow, {},
         [](InputScript& s, HWND h) { s.move(ArrowDown(h).x, ArrowDown(h).y).press().advance(450); }},
        {"held arrow, on the repeat", Loop::Arrow, {WM_VSCROLL, 2},
         [](InputScript& s, HWND h) { s.move(ArrowDown(h).x, ArrowDown(h).y).press().advance(450).release(); }},
        {"held close box, by the script", Loop::CloseBox, {},
         [](InputScript& s, HWND h) { s.move(CloseBox(h).x, CloseBox(h).y).press().move(CloseBox(h).x + 1, CloseBox(h).y); }},
    };
    for (const Case& c : cases) {
        HWND h = make();
        SetTimer(h, 1, 100);
        gDoom = c.doom;
        c.steps(desk.script(), h);
        if (!c.doom.message) desk.script().call([h] { DestroyWindow(h); });
        int answer = -1;
        EXPECT_NO_THROW(answer = RunLoop(c.loop, h, desk, menu)) << c.name;
        EXPECT_EQ(answer, 0) << c.name;
        EXPECT_NO_THROW(desk.run()) << c.name;
        EXPECT_FALSE(IsWindow(h)) << c.name;
        EXPECT_EQ(TopLevelWindows(), 0) << c.name << ": the box or the menu went with its owner";
        EXPECT_EQ(GetCapture(), HWND{}) << c.name;
        EXPECT_FALSE(desk.captured()) << c.name;
        EXPECT_TRUE(ModalLoop::Running().empty()) << c.name;
        gDoom = {};

        runToItsEnd(c.loop, menu, c.name);
    }
    DestroyMenu(menu);
}

// An exception out of a loop (the script running dry, the owner throwing) gives back what the
// loop took: the mouse, the disabled owner, the box it opened, the pressed look and the repeat
// of a held arrow. The same loop then runs to its end.
TEST_F(ModalLoops, ExceptionOutOfTheLoopGivesEverythingBack)
{
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 101, "&New");
    AppendMenu(menu, MF_STRING, 102, "&Open");
    using Steps = std::function<void(InputScript&, HWND)>;
    struct Case {
        const char* name;
        Loop loop;
        Doom doom;  // none: the script runs dry
        Steps steps;
    } cases[] = {
        {"message box, script runs dry", Loop::MessageBox, {}, [](InputScript&, HWND) {}},
        {"message box, owner throws on its timer", Loop::MessageBox, {WM_TIMER, 1, true},
         [](InputScript& s, HWND) { s.advance(200); }},
        {"moving, script runs dry", Loop::Move, {},
         [](InputScript& s, HWND) { s.move(Caption().x, Caption().y).press().move(220, 120); }},
        {"sizing, throws on WM_SIZING", Loop::Size, {WM_SIZING, 1, true},
         [](InputScript& s, HWND) { s.move(BottomRight().x, BottomRight().y).press().move(420, 320).release(); }},
        {"held arrow, throws on the repeat", Loop::Arrow, {WM_VSCROLL, 2, true},
         [](InputScript& s, HWND h) { s.move(ArrowDown(h).x, ArrowDown(h).y).press().advance(450).release(); }},
        {"held close box, script runs dry", Loop::CloseBox, {},
         [](InputScript& s, HWND h) { s.move(CloseBox(h).x, CloseBox(h).y).press(); }},
    };
    for (const Case& c : cases) {
        HWND h = make();
        SetTimer(h, 1, 100);
        gDoom = c.doom;
        c.steps(desk.script(), h);
        EXPECT_THROW(RunLoop(c.loop, h, desk, menu), base::Error) << c.name;
        gDoom = {};
        desk.script().clear();
        KillTimer(h, 1);
        EXPECT_TRUE(IsWindow(h)) << c.name;
        EXPECT_TRUE(IsWindowEnabled(h)) << c.name;
        EXPECT_EQ(TopLevelWindows(), 1) << c.name << ": the box is gone";
        EXPECT_EQ(GetCapture(), HWND{}) << c.name;
        EXPECT_FALSE(desk.captured()) << c.name;
        EXPECT_TRUE(ModalLoop::Running().empty()) << c.name;
        SCROLLBARINFO bar;
        GetScrollBarInfo(h, OBJID_VSCROLL, &bar);
        for (DWORD state : bar.rgstate) EXPECT_FALSE(state & STATE_SYSTEM_PRESSED) << c.name;
        int scrolls = gScrolls;
        desk.advance(1000);
        EXPECT_EQ(gScrolls, scrolls) << c.name << ": the repeat stopped";
        DestroyWindow(h);
        desk.run();

        runToItsEnd(c.loop, menu, c.name);
    }
    DestroyMenu(menu);
}

}  // namespace
}  // namespace plat
