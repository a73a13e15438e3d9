#include <stdexcept>

#include "base/error.h"
#include "graphics_fixture.h"
#include "plat/gdi/gdi.h"

namespace fw {
namespace {

using test::CanvasOnBitmap;

constexpr plat::COLORREF kWhite = 0xFFFFFF;

// Text is anti-aliased: its stems are nearly, not exactly, the text colour (red here).
bool inked(plat::COLORREF c)
{
    return plat::GetRValue(c) == 0xFF && plat::GetGValue(c) < 0x30 && plat::GetBValue(c) < 0x30;
}

TEST(GraphicsCanvas, WithoutAContextDrawingRaisesAnError)
{
    TCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 4, 4)), base::Error);
    EXPECT_THROW(canvas.TextWidth("x"), base::Error);
}

TEST(GraphicsCanvas, GivesTheContextItsOwnObjectsBackAndFreesWhatItMade)
{
    CanvasOnBitmap m;
    plat::HGDIOBJ ownFont = plat::GetCurrentObject(m.dc, plat::OBJ_FONT);
    plat::HGDIOBJ ownPen = plat::GetCurrentObject(m.dc, plat::OBJ_PEN);
    plat::HGDIOBJ ownBrush = plat::GetCurrentObject(m.dc, plat::OBJ_BRUSH);

    m.canvas.Brush()->SetColor(clRed);
    m.canvas.Rectangle(0, 0, 10, 10);
    m.canvas.TextOut(12, 0, "Ab");
    plat::HGDIOBJ selectedFont = plat::GetCurrentObject(m.dc, plat::OBJ_FONT);
    EXPECT_NE(selectedFont, ownFont);

    // A font remade while selected stays alive until the canvas lets go of it.
    m.canvas.Font()->SetHeight(-20);
    EXPECT_NE(plat::GetObjectType(selectedFont), 0u);
    m.canvas.TextOut(12, 0, "Ab");
    EXPECT_EQ(plat::GetObjectType(selectedFont), 0u);

    // Drawing on the handle directly finds the canvas's objects in it.
    m.canvas.Pen()->SetColor(clBlue);
    plat::HDC direct = m.canvas.Handle();
    plat::HGDIOBJ penHandle = plat::GetCurrentObject(direct, plat::OBJ_PEN);
    EXPECT_EQ(penHandle, m.canvas.Pen()->Handle());
    EXPECT_EQ(plat::GetBkColor(direct), 0x0000FFu);
    m.canvas.SetHandle({});
    EXPECT_EQ(plat::GetCurrentObject(m.dc, plat::OBJ_FONT), ownFont);
    EXPECT_EQ(plat::GetCurrentObject(m.dc, plat::OBJ_PEN), ownPen);
    EXPECT_EQ(plat::GetCurrentObject(m.dc, plat::OBJ_BRUSH), ownBrush);
    EXPECT_NE(plat::GetObjectType(penHandle), 0u);  // still the pen's own
}

TEST(GraphicsCanvas, FillsFramesAndPixelsWithItsBrushAndPen)
{
    CanvasOnBitmap m(20, 20);
    m.canvas.Brush()->SetColor(clBlue);
    m.canvas.FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(m.count(0xFF0000), 25);

    m.canvas.Brush()->SetColor(clLime);
    m.canvas.FrameRect(Rect(10, 10, 15, 15));
    EXPECT_EQ(m.count(0x00FF00), 16);
    EXPECT_EQ(m.at(12, 12), kWhite);

    m.canvas.SetPixels(19, 19, clRed);
    EXPECT_EQ(m.canvas.Pixels(19, 19), clRed);
    EXPECT_EQ(m.canvas.Pixels(40, 3), clNone);

    m.canvas.Pen()->SetColor(clBlack);
    m.canvas.MoveTo(0, 8);
    m.canvas.LineTo(6, 8);
    EXPECT_EQ(m.canvas.PenPos(), Point(6, 8));
    const TPoint corner[] = {{0, 18}, {4, 18}, {4, 14}};
    m.canvas.Polyline(corner);
    EXPECT_EQ(m.count(0x000000), 6 + 8);

    m.canvas.Pen()->SetMode(pmXor);
    m.canvas.Pen()->SetColor(clWhite);
    m.canvas.MoveTo(0, 8);
    m.canvas.LineTo(6, 8);
    EXPECT_EQ(m.at(3, 8), kWhite);  // black xor white
}

TEST(GraphicsCanvas, TextTakesTheFontColourAndTheBrushDecidesTheBackground)
{
    CanvasOnBitmap m(80, 20);
    m.canvas.Font()->SetColor(clRed);
    m.canvas.Brush()->SetColor(clYellow);
    TSize extent = m.canvas.TextExtent("Hello");
    EXPECT_GT(extent.width, 15);
    EXPECT_EQ(m.canvas.TextHeight("Hello"), extent.height);

    m.canvas.TextOut(0, 0, "Hello");
    EXPECT_EQ(m.canvas.PenPos(), Point(extent.width, 0));
    EXPECT_GT(m.count(0x00FFFF), 0);  // the cell behind the text
    EXPECT_GT(m.countIf(inked), 0);

    CanvasOnBitmap clear(80, 20);
    clear.canvas.Font()->SetColor(clRed);
    clear.canvas.Brush()->SetStyle(bsClear);
    clear.canvas.TextOut(0, 0, "Hello");
    EXPECT_EQ(clear.count(0x00FFFF), 0);
    EXPECT_GT(clear.countIf(inked), 0);

    // Clipped to its rectangle, which a solid brush fills.
    CanvasOnBitmap clipped(80, 20);
    clipped.canvas.Brush()->SetColor(clYellow);
    clipped.canvas.TextRect(Rect(0, 0, 8, 20), 0, 0, "Hello");
    for (int y = 0; y < 20; ++y)
        for (int x = 8; x < 80; ++x) ASSERT_EQ(clipped.at(x, y), kWhite) << x << "," << y;
    EXPECT_EQ(clipped.at(7, 19), 0x00FFFFu);

    TRect need = Rect(0, 0, 0, 0);
    int height = clipped.canvas.TextRect(need, "Hello", plat::DT_CALCRECT | plat::DT_SINGLELINE);
    EXPECT_EQ(need.width(), extent.width);
    EXPECT_EQ(height, extent.height);
}

TEST(GraphicsCanvas, CopyRectStretchesThroughTheCopyMode)
{
    CanvasOnBitmap from(4, 4, 0x0000FF);
    CanvasOnBitmap to(8, 8);
    to.canvas.CopyRect(Rect(0, 0, 8, 8), from.canvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(to.count(0x0000FF), 64);

    CanvasOnBitmap inverted(4, 4);
    inverted.canvas.SetCopyMode(cmNotSrcCopy);
    inverted.canvas.CopyRect(Rect(0, 0, 2, 2), from.canvas, Rect(0, 0, 2, 2));
    EXPECT_EQ(inverted.count(0xFFFF00), 4);
}

TEST(GraphicsCanvas, ALockHeldForAScopeIsGivenBackWhenAnExceptionPasses)
{
    TCanvas canvas;
    try {
        TCanvasLock lock(canvas);
        EXPECT_EQ(canvas.LockCount(), 1);
        throw std::runtime_error("drawing failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(canvas.LockCount(), 0);
    canvas.Unlock();
    EXPECT_EQ(canvas.LockCount(), 0);
}

}  // namespace
}  // namespace fw
