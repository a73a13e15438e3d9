#include <optional>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/gdi/gdi.h"
#include "plat/menus/menu.h"
#include "plat/menus/system_menu.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/services/bitmap_cursors.h"
#include "plat/services/clipboard.h"
#include "plat/state/run_state.h"
#include "plat/system/sys_colors.h"
#include "plat/window/default_handlers.h"
#include "plat/window/window_data.h"
#include "plat/windowing.h"

namespace plat {
namespace {

constexpr UINT kProbeMessage = WM_USER + 77;

int gHandlerCalls = 0;
LRESULT CountingHandler(HWND, UINT, WPARAM, LPARAM)
{
    ++gHandlerCalls;
    return 1;
}
void BlankFrame(HWND, HDC) {}

HWND MakeWindow(const char* className)
{
    WNDCLASSEX wc;
    wc.lpszClassName = className;
    wc.lpfnWndProc = DefWindowProc;
    RegisterClassEx(wc);
    return CreateWindowEx(0, className, "w", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 10, 10, 200, 150, {}, {});
}

// Everything a first run made or changed, to be looked for in the next.
struct FirstRun {
    HWND window, child;
    HBRUSH brush, stockBrush, sysBrush;
    HFONT font;
    HDC dc;
    HMENU menu, systemMenu;
    HCURSOR cursor;
    FrameDrawer plainFrame = nullptr;
};

FirstRun MakeAndChangeEverything()
{
    FirstRun r;
    r.window = MakeWindow("FirstRunClass");
    r.child = CreateWindowEx(0, "Button", "b", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, r.window, {});
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_POS;
    si.nMax = 500;
    si.nPos = 40;
    SetScrollInfo(r.window, SB_VERT, &si, TRUE);
    r.brush = CreateSolidBrush(RGB(1, 2, 3));
    r.stockBrush = HBRUSH(GetStockObject(WHITE_BRUSH));
    r.sysBrush = GetSysColorBrush(COLOR_WINDOW);
    LOGFONT lf;
    lf.lfHeight = -12;
    r.font = CreateFontIndirect(&lf);
    r.dc = CreateCompatibleDC({});
    r.menu = CreatePopupMenu();
    AppendMenu(r.menu, MF_STRING, 1, "One");
    r.systemMenu = GetSystemMenu(r.window, FALSE);
    std::uint32_t pixel = 0xFF000000u;
    r.cursor = CreateCursorFromPixels(1, 1, &pixel, {0, 0});
    r.plainFrame = GetFrameDrawer();
    SetDefaultHandler(kProbeMessage, CountingHandler);
    SetFrameDrawer(BlankFrame);
    int index = COLOR_WINDOW;
    COLORREF red = RGB(255, 0, 0);
    SetSysColors(1, &index, &red);
    OpenClipboard({});
    EmptyClipboard();
    SetClipboardText("first run");
    CloseClipboard();
    return r;
}

TEST(WindowSystemRuns, NothingOfAStoppedRunIsValidOrAnswersInTheNext)
{
    std::optional<HeadlessDesktop> desk(std::in_place);
    FirstRun first = MakeAndChangeEverything();
    ASSERT_TRUE(IsWindow(first.window) && IsMenu(first.menu) && IsMenu(first.systemMenu));
    ASSERT_TRUE(GetObjectType(first.brush) && GetObjectType(first.font) && GetCurrentObject(first.dc, OBJ_BRUSH));
    ASSERT_TRUE(CursorImageOf(first.cursor));
    desk.reset();
    desk.emplace();

    // The next run makes the same things; none of the old handles reaches them.
    FirstRun second = MakeAndChangeEverything();
    for (HWND h : {first.window, first.child}) {
        EXPECT_FALSE(IsWindow(h));
        EXPECT_NE(h, second.window);
        EXPECT_NE(h, second.child);
    }
    for (HGDIOBJ h : std::vector<HGDIOBJ>{first.brush, first.stockBrush, first.sysBrush, first.font}) {
        EXPECT_EQ(GetObjectType(h), 0u);
        EXPECT_FALSE(DeleteObject(h));
    }
    EXPECT_NE(first.stockBrush, second.stockBrush);
    EXPECT_FALSE(GetCurrentObject(first.dc, OBJ_BRUSH));
    EXPECT_FALSE(DeleteDC(first.dc));
    EXPECT_FALSE(IsMenu(first.menu));
    EXPECT_FALSE(IsMenu(first.systemMenu));
    EXPECT_EQ(CursorImageOf(first.cursor), nullptr);
    EXPECT_FALSE(DestroyCursor(first.cursor));
    desk.reset();
    desk.emplace();

    // A fresh run has the standard handlers, frame, colours and an empty clipboard.
    gHandlerCalls = 0;
    HWND w = MakeWindow("ThirdRunClass");
    EXPECT_EQ(GetDefaultHandler(kProbeMessage), nullptr);
    EXPECT_EQ(DefWindowProc(w, kProbeMessage, 0, 0), 0);
    EXPECT_EQ(gHandlerCalls, 0);
    EXPECT_EQ(GetFrameDrawer(), first.plainFrame);
    EXPECT_NE(GetSysColor(COLOR_WINDOW), RGB(255, 0, 0));
    EXPECT_FALSE(GetClipboardText().has_value());
    WNDCLASSEX info;
    EXPECT_FALSE(GetClassInfoEx("FirstRunClass", &info));
    SCROLLINFO si;
    si.fMask = SIF_POS | SIF_RANGE;
    GetScrollInfo(w, SB_VERT, &si);
    EXPECT_EQ(si.nPos, 0);
}

// Counts the copies alive, to see when the window system lets go of them.
struct Tally {
    static inline int alive = 0;
    Tally() { ++alive; }
    Tally(const Tally&) = delete;
    Tally& operator=(const Tally&) = delete;
    ~Tally() { --alive; }
};

TEST(WindowSystemRuns, WindowDataDiesWithItsWindowAndRunPartsWithTheRun)
{
    std::optional<HeadlessDesktop> desk(std::in_place);
    HWND w = MakeWindow("DataClass");
    HMENU systemMenu = GetSystemMenu(w, FALSE);
    ASSERT_NE(WindowData<Tally>(w), nullptr);
    EXPECT_EQ(WindowData<Tally>(w), FindWindowData<Tally>(w));
    RunPart<Tally>();
    EXPECT_EQ(Tally::alive, 2);

    DestroyWindow(w);
    EXPECT_EQ(Tally::alive, 1);
    EXPECT_EQ(FindWindowData<Tally>(w), nullptr);
    EXPECT_EQ(WindowData<Tally>(w), nullptr);  // a stale handle gets none made
    EXPECT_FALSE(IsMenu(systemMenu));

    desk.reset();
    EXPECT_EQ(Tally::alive, 0);
}

}  // namespace
}  // namespace plat
