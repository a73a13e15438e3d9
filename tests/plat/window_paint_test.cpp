#include "plat/gdi/gdi.h"
#include "plat/window_fixture.h"

namespace plat::testing {
namespace {

// Paints its whole client area in the colour kept in its user data.
LRESULT FillProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r;
        GetClientRect(h, &r);
        HBRUSH b = CreateSolidBrush(COLORREF(GetWindowLongPtr(h, GWLP_USERDATA)));
        FillRect(dc, &r, b);
        DeleteObject(b);
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

class WindowPaint : public WindowDesktop {
protected:
    void SetUp() override
    {
        WindowDesktop::SetUp();
        WNDCLASSEX wc;
        wc.lpfnWndProc = FillProc;
        wc.lpszClassName = "Fill";
        ASSERT_NE(RegisterClassEx(wc), 0);
    }
    HWND fill(COLORREF c, RECT r, HWND parent, DWORD style)
    {
        HWND h = CreateWindowEx(0, "Fill", "", style, r.left, r.top, r.width(), r.height(), parent);
        SetWindowLongPtr(h, GWLP_USERDATA, LONG_PTR(c));
        InvalidateRect(h, nullptr, TRUE);
        return h;
    }
    COLORREF at(int x, int y) { return desk.screen().pixel24(x, y); }
};

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

TEST_F(WindowPaint, ChildrenAndSiblingsClipWhereTheirStylesAsk)
{
    // The parent clips its children; of the two overlapping siblings only the upper one clips.
    HWND top = fill(kRed, {100, 100, 400, 300}, {}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    // Siblings made first lie on top.
    HWND upper = fill(kBlue, {60, 60, 160, 160}, top, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    HWND lower = fill(kGreen, {10, 10, 110, 110}, top, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    desk.run();
    EXPECT_EQ(at(105, 105), kRed);
    EXPECT_EQ(at(115, 115), kGreen);
    EXPECT_EQ(at(185, 185), kBlue);  // overlap: the sibling on top
    EXPECT_EQ(at(250, 250), kBlue);
    // Repainting the lower sibling alone keeps off the upper one.
    InvalidateRect(lower, nullptr, TRUE);
    desk.run();
    EXPECT_EQ(at(185, 185), kBlue);
    // Repainting the parent keeps off its children.
    InvalidateRect(top, nullptr, TRUE);
    ValidateRect(lower, nullptr);
    ValidateRect(upper, nullptr);
    desk.run();
    EXPECT_EQ(at(115, 115), kGreen);
}

TEST_F(WindowPaint, WindowRegionShapesDrawingAndHitTesting)
{
    HWND back = fill(kGreen, {0, 0, 300, 300}, {}, WS_POPUP | WS_VISIBLE);
    HWND round = fill(kRed, {50, 50, 250, 250}, {}, WS_POPUP | WS_VISIBLE);
    HRGN rgn = CreateEllipticRgn(0, 0, 200, 200);
    SetWindowRgn(round, rgn, TRUE);
    desk.run();
    EXPECT_EQ(at(150, 150), kRed);
    EXPECT_EQ(at(55, 55), kGreen);  // cut-out corner shows what is below
    // A click in the cut-out corner goes to the window below.
    desk.script().click(55, 55);
    desk.run();
    EXPECT_EQ(GetActiveWindow(), back);
    SetActiveWindow(round);
    SetWindowRgn(round, {}, TRUE);
    desk.run();
    EXPECT_EQ(at(55, 55), kRed);
}

TEST_F(WindowPaint, ScreenContextReadsWhatIsShown)
{
    fill(kBlue, {10, 10, 110, 110}, {}, WS_POPUP | WS_VISIBLE);
    desk.run();
    HDC screen = GetDC({});
    EXPECT_EQ(GetPixel(screen, 50, 50), kBlue);
    EXPECT_EQ(GetPixel(screen, 500, 500), GetSysColor(COLOR_DESKTOP));
    ReleaseDC({}, screen);
}

TEST_F(WindowPaint, MovingAChildRepaintsWhatItUncovers)
{
    HWND top = fill(kRed, {0, 0, 300, 300}, {}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND kid = fill(kBlue, {10, 10, 60, 60}, top, WS_CHILD | WS_VISIBLE);
    desk.run();
    EXPECT_EQ(at(20, 20), kBlue);
    MoveWindow(kid, 100, 100, 50, 50, TRUE);
    desk.run();
    EXPECT_EQ(at(20, 20), kRed);
    EXPECT_EQ(at(120, 120), kBlue);
    ShowWindow(kid, SW_HIDE);
    desk.run();
    EXPECT_EQ(at(120, 120), kRed);
}

TEST_F(WindowPaint, CaretShowsInvertedAndBlinksOnTheClock)
{
    HWND top = fill(kBlue, {100, 100, 300, 200}, {}, WS_POPUP | WS_VISIBLE);
    desk.run();
    CreateCaret(top, {}, 2, 16);
    SetCaretPos(10, 20);
    EXPECT_EQ(at(111, 125), kBlue);  // hidden until shown
    ShowCaret(top);
    EXPECT_EQ(at(111, 125), RGB(255, 255, 0));
    EXPECT_EQ(at(112, 125), kBlue);
    desk.advance(GetCaretBlinkTime());
    EXPECT_EQ(at(111, 125), kBlue);  // the off half of the blink
    DestroyCaret();
    desk.advance(GetCaretBlinkTime());
    EXPECT_EQ(at(111, 125), kBlue);
}

}  // namespace
}  // namespace plat::testing
