#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/nonclient/tracking_loops.h"
#include "plat/system/sys_colors.h"
#include "plat/system/sys_metrics.h"
#include "plat/virtual_keys.h"
#include "plat/window/default_handlers.h"
#include "plat/windowing.h"

namespace plat {
namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> gSeen;

LRESULT RecordingProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_SIZE || m == WM_SIZING || m == WM_MOVING || m == WM_ENTERSIZEMOVE || m == WM_EXITSIZEMOVE ||
        m == WM_VSCROLL || m == WM_HSCROLL || m == WM_CLOSE || m == WM_DESTROY || m == WM_SYSCOMMAND)
        gSeen.push_back({m, w, l});
    if (m == WM_VSCROLL) {
        // Follow the bar as a scrolling window does.
        int pos = GetScrollPos(h, SB_VERT);
        WORD code = LOWORD(w);
        if (code == SB_LINEDOWN) pos += 1;
        if (code == SB_LINEUP) pos -= 1;
        if (code == SB_PAGEDOWN) pos += 10;
        if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) pos = HIWORD(w);
        SetScrollPos(h, SB_VERT, pos, TRUE);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

int Count(UINT message, int code = -1)
{
    int n = 0;
    for (const Seen& s : gSeen)
        if (s.message == message && (code < 0 || LOWORD(s.wParam) == code)) ++n;
    return n;
}

class NonClientDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPlainFrame();
        gSeen.clear();
        WNDCLASSEX wc;
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = "NcTestWindow";
        wc.style = CS_DBLCLKS;
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_WINDOW + 1));
        ASSERT_NE(RegisterClassEx(wc), 0);
    }
    HWND make(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT r = {100, 100, 400, 300})
    {
        HWND h = CreateWindowEx(0, "NcTestWindow", "Sentavia", style, r.left, r.top, r.width(), r.height(), {});
        ShowWindow(h, SW_SHOW);
        desk.run();
        gSeen.clear();
        return h;
    }
    HeadlessDesktop desk;
};

TEST_F(NonClientDesktop, DraggingTheBottomRightCornerSizesLive)
{
    HWND h = make();
    desk.script().drag(399, 299, 459, 339);
    desk.run();
    EXPECT_EQ(WindowRect(h), (RECT{100, 100, 460, 340}));
    EXPECT_EQ(Count(WM_ENTERSIZEMOVE), 1);
    EXPECT_EQ(Count(WM_EXITSIZEMOVE), 1);
    EXPECT_GE(Count(WM_SIZING), 2) << "sized on the way, not only at the end";
    EXPECT_GE(Count(WM_SIZE), 2);
    EXPECT_EQ(GetCapture(), HWND{});
    // The minimum tracking size holds.
    desk.script().drag(459, 339, 120, 110);
    desk.run();
    EXPECT_EQ(WindowRect(h).width(), GetSystemMetrics(SM_CXMINTRACK));
    EXPECT_EQ(WindowRect(h).height(), GetSystemMetrics(SM_CYMINTRACK));
}

TEST_F(NonClientDesktop, DraggingTheCaptionMoves)
{
    HWND h = make();
    desk.script().drag(200, 110, 250, 140);
    desk.run();
    EXPECT_EQ(WindowRect(h), (RECT{150, 130, 450, 330}));
    EXPECT_GE(Count(WM_MOVING), 1);
    EXPECT_EQ(Count(WM_EXITSIZEMOVE), 1);
    // Escape during a keyboard move puts it back.
    desk.script().call([h] { PostMessage(h, WM_SYSCOMMAND, SC_MOVE, 0); }).key(VK_RIGHT).key(VK_ESCAPE);
    desk.run();
    EXPECT_EQ(WindowRect(h), (RECT{150, 130, 450, 330}));
}

TEST_F(NonClientDesktop, CaptionButtonsActOnReleaseOverThem)
{
    HWND h = make();
    FrameLayout f = LayoutFrameOf(h);
    POINT max{100 + f.maximize.left + 5, 100 + f.maximize.top + 5};
    POINT close{100 + f.close.left + 5, 100 + f.close.top + 5};
    // Pressing and leaving the button does nothing.
    desk.script().move(close.x, close.y).press().move(close.x - 60, close.y).release();
    desk.run();
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ(Count(WM_CLOSE), 0);

    desk.script().click(max.x, max.y);
    desk.run();
    EXPECT_TRUE(IsZoomed(h));
    RECT work = GetWorkArea();
    RECT client = ClientRect(h);
    POINT origin;
    ClientToScreen(h, &origin);
    EXPECT_EQ(origin.x, work.left) << "the borders hang outside the work area";
    EXPECT_EQ(client.width(), work.width());

    FrameLayout zoomed = LayoutFrameOf(h);
    RECT w = WindowRect(h);
    desk.script().click(w.left + zoomed.maximize.left + 5, w.top + zoomed.maximize.top + 5);
    desk.run();
    EXPECT_FALSE(IsZoomed(h));
    EXPECT_EQ(WindowRect(h), (RECT{100, 100, 400, 300}));

    desk.script().click(close.x, close.y);
    desk.run();
    EXPECT_EQ(Count(WM_CLOSE), 1);
    EXPECT_FALSE(IsWindow(h)) << "close becomes destroy";
}

TEST_F(NonClientDesktop, DoubleClickOnCaptionAndAltF4)
{
    HWND h = make();
    desk.script().doubleClick(200, 110);
    desk.run();
    EXPECT_TRUE(IsZoomed(h));
    desk.script().doubleClick(300, 10);
    desk.run();
    EXPECT_FALSE(IsZoomed(h));
    SetActiveWindow(h);
    desk.script().chord(VK_MENU, VK_F4);
    desk.run();
    EXPECT_FALSE(IsWindow(h));
}

DefaultHandler gPlainHitTest = nullptr;

// A skin's hit-test: its own corner piece is caption, the rest is left to the frame it replaced.
LRESULT CornerIsCaption(HWND h, UINT m, WPARAM w, LPARAM l)
{
    RECT r = WindowRect(h);
    if (GET_X_LPARAM(l) - r.left < 4 && GET_Y_LPARAM(l) - r.top < 4) return HTCAPTION;
    return gPlainHitTest(h, m, w, l);
}

TEST_F(NonClientDesktop, AHandlerSetOverThePlainFrameChainsToIt)
{
    HWND h = make();
    gPlainHitTest = SetDefaultHandler(WM_NCHITTEST, CornerIsCaption);
    ASSERT_NE(gPlainHitTest, nullptr);
    struct Restore {
        ~Restore() { SetDefaultHandler(WM_NCHITTEST, gPlainHitTest); }
    } restore;
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(101, 101)), HTCAPTION);
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(398, 298)), HTBOTTOMRIGHT);
    EXPECT_EQ(SetDefaultHandler(WM_NCHITTEST, gPlainHitTest), DefaultHandler(CornerIsCaption));
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(101, 101)), HTTOPLEFT);
}

TEST_F(NonClientDesktop, ArrowHeldRepeatsOnTheVirtualClock)
{
    HWND h = make(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 99;
    si.nPage = 10;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    FrameLayout f = LayoutFrameOf(h);
    POINT down{100 + f.vscroll.left + 8, 100 + f.vscroll.bottom - 8};
    int afterPress = 0, afterFirstRepeat = 0, afterLeaving = 0;
    desk.script()
        .move(down.x, down.y)
        .press()
        .call([&] { afterPress = Count(WM_VSCROLL, SB_LINEDOWN); })
        .advance(399)
        .call([&] { afterFirstRepeat = Count(WM_VSCROLL, SB_LINEDOWN); })
        .advance(1 + 50 * 4)
        .move(down.x - 100, down.y)
        .call([&] { afterLeaving = Count(WM_VSCROLL, SB_LINEDOWN); })
        .advance(200)
        .release();
    desk.run();
    EXPECT_EQ(afterPress, 1) << "one line at once";
    EXPECT_EQ(afterFirstRepeat, 1) << "nothing before 400 ms";
    EXPECT_EQ(afterLeaving, 1 + 1 + 4) << "at 400 ms, then every 50 ms";
    EXPECT_EQ(Count(WM_VSCROLL, SB_LINEDOWN), afterLeaving) << "no repeat off the arrow";
    EXPECT_EQ(Count(WM_VSCROLL, SB_ENDSCROLL), 1);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), afterLeaving);
}

TEST_F(NonClientDesktop, ThumbDragSendsTrackPositions)
{
    HWND h = make(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 99;
    si.nPage = 10;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, &sbi));
    int x = sbi.rcScrollBar.left + 8;
    int y = sbi.rcScrollBar.top + sbi.xyThumbTop + 2;
    int track = sbi.rcScrollBar.height() - 2 * sbi.dxyLineButton;
    int thumb = sbi.xyThumbBottom - sbi.xyThumbTop;
    desk.script().drag(x, y, x, y + (track - thumb));  // to the end of the track
    desk.run();
    std::vector<int> tracked;
    for (const Seen& s : gSeen)
        if (s.message == WM_VSCROLL && LOWORD(s.wParam) == SB_THUMBTRACK) tracked.push_back(HIWORD(s.wParam));
    ASSERT_FALSE(tracked.empty());
    for (size_t i = 1; i < tracked.size(); ++i) EXPECT_NE(tracked[i], tracked[i - 1]) << "only changes are sent";
    EXPECT_EQ(tracked.back(), 90);
    ASSERT_GE(gSeen.size(), 2u);
    EXPECT_EQ(LOWORD(gSeen[gSeen.size() - 2].wParam), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(gSeen[gSeen.size() - 2].wParam), 90);
    EXPECT_EQ(LOWORD(gSeen.back().wParam), SB_ENDSCROLL);
}

TEST_F(NonClientDesktop, ScrollInformationHidesDisablesAndClamps)
{
    HWND h = make(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE);
    RECT withBars = ClientRect(h);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 500;
    EXPECT_EQ(SetScrollInfo(h, SB_VERT, &si, FALSE), 90) << "position kept within the last page";
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    si.nPage = 200;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, &sbi));
    EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(sbi.rcScrollBar.left + 2, sbi.rcScrollBar.top + 40)),
              HTVSCROLL);
    si.fMask = SIF_RANGE | SIF_PAGE;
    SetScrollInfo(h, SB_HORZ, &si, TRUE);  // nothing to scroll: the bar goes away
    EXPECT_FALSE(GetWindowStyle(h) & WS_HSCROLL);
    EXPECT_EQ(ClientRect(h).height(), withBars.height() + 16);
    EXPECT_FALSE(GetScrollInfo(h, SB_CTL, &si));
}

TEST_F(NonClientDesktop, ScreenshotOfASizeableWindowWithBothBars)
{
    HWND h = make(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, {60, 50, 420, 300});
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    si.nMax = 99;
    si.nPage = 25;
    si.nPos = 30;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    SetScrollInfo(h, SB_HORZ, &si, TRUE);
    SetActiveWindow(h);
    HWND other = make(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, {500, 80, 760, 220});
    SetWindowText(other, "Inactive dialog");
    SetActiveWindow(h);
    desk.run();
    desk.saveScreenshot(::testing::TempDir() + "nonclient_frame.png");
    const gfx::Bitmap& screen = desk.screen();
    // The captions' first row starts in the active navy and the inactive grey.
    EXPECT_EQ(screen.pixel(60 + 4 + 1, 50 + 4) & 0xFFFFFF, GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(screen.pixel(500 + 3 + 1, 80 + 3) & 0xFFFFFF, GetSysColor(COLOR_INACTIVECAPTION));
    FrameLayout f = LayoutFrameOf(h);
    EXPECT_EQ(screen.pixel(60 + f.sizeBox.left + 1, 50 + f.sizeBox.top + 1) & 0xFFFFFF, GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace plat
