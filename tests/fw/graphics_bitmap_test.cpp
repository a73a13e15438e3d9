#include "base/error.h"
#include "fw/graphics/bitmap.h"
#include "graphics_fixture.h"

namespace fw {
namespace {

using test::CanvasOnBitmap;

TEST(GraphicsBitmap, GrowsWhiteKeepingItsPixelsAndReachesRowsThroughRowZero)
{
    TBitmap b(3, 2);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(b.Image()->pixel(2, 1), gfx::kWhite);
    b.Canvas()->SetPixels(2, 1, clRed);
    plat::HBITMAP before = b.Handle();

    b.SetSize(5, 4);
    EXPECT_EQ(plat::GetObjectType(before), 0u);
    EXPECT_EQ(b.Canvas()->Pixels(2, 1), clRed);  // the canvas follows the new pixels
    EXPECT_EQ(b.Canvas()->Pixels(4, 3), clWhite);
    for (int y = 0; y < b.Height(); ++y) {
        EXPECT_EQ(b.ScanLine(y), b.Row0() + y * b.RowDelta());
    }
    const std::uint8_t* p = b.ScanLine(1) + 3 * 2;
    EXPECT_EQ(p[2], 0xFF);  // B, G, R
    EXPECT_EQ(p[0], 0x00);
    EXPECT_THROW(b.ScanLine(4), base::Error);
    EXPECT_THROW(b.ScanLine(-1), base::Error);

    b.SetSize(0, 4);
    EXPECT_TRUE(b.Empty());
    EXPECT_FALSE(b.HandleAllocated());
    EXPECT_THROW(b.ScanLine(0), base::Error);
    EXPECT_GT(b.Canvas()->TextWidth("Measure"), 0);  // an empty bitmap still measures text
}

TEST(GraphicsBitmap, PixelFormatsConvertToTheNearestStandardColour)
{
    TBitmap b(4, 1);
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(1, 0, TColor(0x0000F0));  // near red
    b.Canvas()->SetPixels(2, 0, clBlack);
    b.SetPixelFormat(pf8bit);
    EXPECT_EQ(b.Image()->bitsPerPixel(), 8);
    EXPECT_EQ(b.Image()->pixel(1, 0), gfx::Color(clRed));
    b.SetPixelFormat(pf1bit);
    EXPECT_TRUE(b.Monochrome());
    EXPECT_EQ(b.Image()->pixel(2, 0), gfx::kBlack);
    EXPECT_EQ(b.Image()->pixel(3, 0), gfx::kWhite);
    b.SetSize(6, 1);  // a palette bitmap grows white too
    EXPECT_EQ(b.Image()->pixel(5, 0), gfx::kWhite);
    EXPECT_EQ(b.Image()->pixel(2, 0), gfx::kBlack);
    b.SetPixelFormat(pfDevice);
    EXPECT_EQ(b.PixelFormat(), pf32bit);

    EXPECT_THROW(b.SetPixelFormat(pf16bit), base::Error);
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.Width(), 6);
}

TEST(GraphicsBitmap, TransparentDrawingLeavesTheKeyColourOutAlsoWhenStretched)
{
    TBitmap sprite(2, 2);
    sprite.Canvas()->Brush()->SetColor(clFuchsia);
    sprite.Canvas()->FillRect(Rect(0, 0, 2, 2));
    sprite.Canvas()->SetPixels(1, 0, clBlue);
    EXPECT_EQ(sprite.TransparentColor(), clFuchsia);  // the bottom-left pixel's
    sprite.SetTransparent(true);

    CanvasOnBitmap m(8, 8, 0x00FF00);
    m.canvas.StretchDraw(Rect(0, 0, 4, 4), &sprite);
    EXPECT_EQ(m.count(0xFF0000), 4);  // the blue pixel, twice as large
    EXPECT_EQ(m.at(2, 0), 0xFF0000u);
    EXPECT_EQ(m.count(0xFF00FF), 0);
    EXPECT_EQ(m.count(0x00FF00), 64 - 4);

    sprite.SetTransparentColor(clBlue);
    EXPECT_EQ(sprite.TransparentMode(), tmFixed);
    m.canvas.Draw(4, 4, &sprite);
    EXPECT_EQ(m.at(5, 4), 0x00FF00u);
    EXPECT_EQ(m.at(4, 5), 0xFF00FFu);

    // Without transparency a mono bitmap is black and white whatever the canvas's colours.
    TBitmap mono(2, 1, pf1bit);
    mono.Image()->setPixel(0, 0, 0);
    CanvasOnBitmap plain(2, 1, 0x00FF00);
    plain.canvas.Font()->SetColor(clRed);
    plain.canvas.Draw(0, 0, &mono);
    EXPECT_EQ(plain.at(0, 0), 0x000000u);
    EXPECT_EQ(plain.at(1, 0), 0xFFFFFFu);
}

TEST(GraphicsBitmap, StreamsHoldBitmapsBackToBackAndDamagedDataChangesNothing)
{
    TBitmap first(3, 2), second(1, 5, pf8bit);
    first.Canvas()->SetPixels(0, 0, clRed);
    base::MemoryStream stream;
    first.SaveToStream(stream);
    second.SaveToStream(stream);
    stream.write("tail");

    stream.seek(0);
    TBitmap a, b;
    a.LoadFromStream(stream);
    b.LoadFromStream(stream);
    EXPECT_EQ(a.Width(), 3);
    EXPECT_EQ(a.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(b.PixelFormat(), pf8bit);
    EXPECT_EQ(stream.remaining(), 4u);

    base::MemoryStream damaged(std::string_view("BM\x10\0\0\0garbage", 13));
    EXPECT_THROW(a.LoadFromStream(damaged), base::Error);
    EXPECT_EQ(a.Width(), 3);
    EXPECT_THROW(TBitmap().SaveToStream(stream), base::Error);
    EXPECT_THROW(a.LoadFromFile("/nonexistent/x.bmp"), base::Error);

    TBitmap copy;
    copy.Assign(a);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clRed);
    copy.Canvas()->SetPixels(0, 0, clBlue);
    EXPECT_EQ(a.Canvas()->Pixels(0, 0), clRed);  // a copy, not a share
}

}  // namespace
}  // namespace fw
