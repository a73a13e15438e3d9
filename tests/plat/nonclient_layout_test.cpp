#include "gtest/gtest.h"
#include "plat/message_codes.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/scroll_state.h"
#include "plat/window_styles.h"

namespace plat {
namespace {

struct HitCase {
    const char* what;
    DWORD style;
    DWORD exStyle;
    POINT p;
    LRESULT expected;
};

// A 300 x 200 window for every case.
TEST(NonClientLayout, HitTestingByBorderStyle)
{
    const DWORD sizeable = WS_OVERLAPPEDWINDOW;
    const DWORD dialog = WS_CAPTION | WS_SYSMENU;
    const DWORD none = WS_POPUP;
    const HitCase cases[] = {
        {"sizeable left edge", sizeable, 0, {1, 100}, HTLEFT},
        {"sizeable right edge", sizeable, 0, {298, 100}, HTRIGHT},
        {"sizeable top edge", sizeable, 0, {150, 0}, HTTOP},
        {"sizeable bottom edge", sizeable, 0, {150, 199}, HTBOTTOM},
        {"sizeable top-left", sizeable, 0, {0, 0}, HTTOPLEFT},
        {"top-left reaches along the side", sizeable, 0, {2, 12}, HTTOPLEFT},
        {"sizeable bottom-right", sizeable, 0, {299, 199}, HTBOTTOMRIGHT},
        {"sizeable top-right", sizeable, 0, {297, 3}, HTTOPRIGHT},
        {"sizeable bottom-left", sizeable, 0, {3, 196}, HTBOTTOMLEFT},
        {"caption", sizeable, 0, {150, 10}, HTCAPTION},
        {"caption separator line", sizeable, 0, {150, 22}, HTCAPTION},
        {"icon", sizeable, 0, {10, 10}, HTSYSMENU},
        {"close button", sizeable, 0, {285, 10}, HTCLOSE},
        {"maximise button", sizeable, 0, {265, 10}, HTMAXBUTTON},
        {"minimise button", sizeable, 0, {249, 10}, HTMINBUTTON},
        {"client", sizeable, 0, {150, 100}, HTCLIENT},
        {"first client row", sizeable, 0, {150, 23}, HTCLIENT},
        {"dialog frame is no sizing border", dialog, 0, {1, 100}, HTBORDER},
        {"dialog corner", dialog, 0, {0, 0}, HTBORDER},
        {"dialog client starts after 3 px", dialog, 0, {3, 100}, HTCLIENT},
        {"dialog close", dialog, 0, {285, 10}, HTCLOSE},
        {"dialog has no maximise", dialog, 0, {265, 10}, HTCAPTION},
        {"help button", dialog, WS_EX_CONTEXTHELP, {265, 10}, HTHELP},
        {"no border: corner is client", none, 0, {0, 0}, HTCLIENT},
        {"outside", sizeable, 0, {300, 100}, HTNOWHERE},
        {"client edge", sizeable, WS_EX_CLIENTEDGE, {5, 100}, HTBORDER},
        {"vertical bar", sizeable | WS_VSCROLL, 0, {290, 100}, HTVSCROLL},
        {"horizontal bar", sizeable | WS_HSCROLL, 0, {150, 190}, HTHSCROLL},
        {"size box of a sizeable window", sizeable | WS_VSCROLL | WS_HSCROLL, 0, {290, 190}, HTBOTTOMRIGHT},
        {"size box of a fixed window", dialog | WS_VSCROLL | WS_HSCROLL, 0, {290, 190}, HTGROWBOX},
        {"maximised border does not size", sizeable | WS_MAXIMIZE, 0, {1, 100}, HTBORDER},
    };
    for (const HitCase& c : cases) {
        FrameLayout f = LayoutFrame({0, 0, 300, 200}, c.style, c.exStyle);
        EXPECT_EQ(HitTestFrame(f, c.p, c.style), c.expected) << c.what;
    }
}

TEST(NonClientLayout, ClientRectanglesByStyle)
{
    struct {
        DWORD style, ex;
        RECT client;
    } cases[] = {
        {WS_OVERLAPPEDWINDOW, 0, {4, 23, 296, 196}},
        {WS_CAPTION | WS_SYSMENU, 0, {3, 22, 297, 197}},
        {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, {3, 20, 297, 197}},
        {WS_POPUP | WS_BORDER, 0, {1, 1, 299, 199}},
        {WS_POPUP, 0, {0, 0, 300, 200}},
        {WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, {6, 25, 278, 178}},
    };
    for (const auto& c : cases) {
        FrameLayout f = LayoutFrame({0, 0, 300, 200}, c.style, c.ex);
        EXPECT_EQ(f.client, c.client) << std::hex << c.style << " " << c.ex;
    }
    // A window too small for its bars gives them up rather than a negative client area.
    FrameLayout tiny = LayoutFrame({0, 0, 20, 30}, WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0);
    EXPECT_GE(tiny.client.width(), 0);
    EXPECT_GE(tiny.client.height(), 0);
    EXPECT_TRUE(tiny.hscroll.empty());
}

TEST(NonClientLayout, ThumbGeometryAndParts)
{
    ScrollBarState s;
    s.min = 0;
    s.max = 99;
    s.page = 10;
    // 200 px bar: 16 px arrows, 168 px track, thumb 168 * 10 / 100 = 16.
    ScrollGeometry g = GeometryFor(s, 200, 16);
    EXPECT_EQ(g.arrow, 16);
    EXPECT_EQ(g.thumbLength, 16);
    EXPECT_EQ(g.thumbStart, 16);
    s.pos = 90;  // the last page: thumb at the track's end
    g = GeometryFor(s, 200, 16);
    EXPECT_EQ(g.thumbStart + g.thumbLength, 184);
    EXPECT_EQ(PositionForThumb(s, g, g.thumbStart), 90);
    EXPECT_EQ(PositionForThumb(s, g, 0), 0);

    s.max = 1000000;
    s.page = 1;
    s.pos = 0;
    EXPECT_EQ(GeometryFor(s, 200, 16).thumbLength, 8) << "minimum thumb";

    // Too short for two arrows: half each, no thumb, no track part.
    g = GeometryFor(s, 20, 16);
    EXPECT_EQ(g.arrow, 10);
    EXPECT_EQ(g.thumbLength, 0);
    EXPECT_EQ(PartAt(g, 20, 9), 0);
    EXPECT_EQ(PartAt(g, 20, 10), 1);

    s = {};
    s.max = 99;
    s.page = 10;
    s.pos = 45;
    g = GeometryFor(s, 200, 16);
    EXPECT_EQ(PartAt(g, 200, 5), 0);
    EXPECT_EQ(PartAt(g, 200, 195), 1);
    EXPECT_EQ(PartAt(g, 200, g.thumbStart - 1), 2);
    EXPECT_EQ(PartAt(g, 200, g.thumbStart), 5);
    EXPECT_EQ(PartAt(g, 200, g.thumbStart + g.thumbLength), 3);
    EXPECT_EQ(PartAt(g, 200, 200), -1);

    // Nothing to scroll, or disabled: no thumb.
    s.page = 200;
    EXPECT_EQ(GeometryFor(s, 200, 16).thumbLength, 0);
    s.page = 10;
    s.disabled = 3;
    EXPECT_EQ(GeometryFor(s, 200, 16).thumbLength, 0);
}

}  // namespace
}  // namespace plat
