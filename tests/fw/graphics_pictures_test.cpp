#include <vector>

#include "base/error.h"
#include "fw/graphics/bitmap.h"
#include "fw/graphics/icon.h"
#include "fw/graphics/image_list.h"
#include "fw/graphics/jpeg_image.h"
#include "graphics_fixture.h"
#include "jpeg_sample.h"

namespace fw {
namespace {

using test::CanvasOnBitmap;
using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, unsigned v) { b.push_back(std::uint8_t(v)), b.push_back(std::uint8_t(v >> 8)); }
void put32(Bytes& b, unsigned v) { put16(b, v & 0xFFFF), put16(b, v >> 16); }

// An icon file with one 2x2 24-bit picture: bottom row blue, top row red with the top-right
// pixel masked out (black in the colours, as icons have it: masked colours are xor'ed).
Bytes tinyIcon()
{
    Bytes dib;
    put32(dib, 40);
    put32(dib, 2);
    put32(dib, 4);  // both halves
    put16(dib, 1);
    put16(dib, 24);
    for (int i = 0; i < 6; ++i) put32(dib, 0);
    // Colour rows, bottom first, B G R, padded to 4 bytes.
    for (int i : {0, 1}) {
        (void)i;
        dib.insert(dib.end(), {0xFF, 0, 0});
    }
    dib.insert(dib.end(), {0, 0});
    dib.insert(dib.end(), {0, 0, 0xFF, 0, 0, 0, 0, 0});  // red, then black where the mask hides it
    // Mask rows, bottom first: bottom row shown, top row's right pixel hidden.
    put32(dib, 0);
    dib.insert(dib.end(), {0x40, 0, 0, 0});

    Bytes file;
    put16(file, 0);
    put16(file, 1);
    put16(file, 1);
    file.insert(file.end(), {2, 2, 0, 0});
    put16(file, 1);
    put16(file, 24);
    put32(file, unsigned(dib.size()));
    put32(file, 6 + 16);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

base::MemoryStream streamOf(const Bytes& bytes)
{
    return base::MemoryStream(std::vector<std::uint8_t>(bytes));
}

TEST(GraphicsPictures, JpegImagesDecodeDrawAndSaveTheirOwnBytes)
{
    Bytes jpeg = test::SolidJpeg(8, 4, 0, 0, 255);
    base::MemoryStream in = streamOf(jpeg);
    TJPEGImage image;
    int changes = 0;
    image.SetOnChange([&](TObject*) { ++changes; });
    image.LoadFromStream(in);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(image.Width(), 8);
    EXPECT_EQ(image.Height(), 4);

    CanvasOnBitmap m(16, 8);
    m.canvas.Draw(2, 2, &image);
    gfx::Color c = m.at(5, 3);
    EXPECT_GT(gfx::blue(c), 240);
    EXPECT_LT(gfx::red(c), 16);
    EXPECT_EQ(m.at(1, 1), 0xFFFFFFu);

    TBitmap asBitmap;
    asBitmap.Assign(image);
    EXPECT_EQ(asBitmap.Width(), 8);
    EXPECT_GT(gfx::blue(asBitmap.Image()->pixel(7, 3)), 240);

    base::MemoryStream out;
    image.SaveToStream(out);
    EXPECT_EQ(out.bytes(), jpeg);

    Bytes cut(jpeg.begin(), jpeg.begin() + 20);
    base::MemoryStream damaged = streamOf(cut);
    EXPECT_THROW(image.LoadFromStream(damaged), base::Error);
    EXPECT_EQ(image.Width(), 8);
    base::MemoryStream none;
    EXPECT_THROW(TJPEGImage().SaveToStream(none), base::Error);
}

TEST(GraphicsPictures, IconsLoadFromIconFilesAndDrawThroughTheirMask)
{
    TIcon icon;
    base::MemoryStream in = streamOf(tinyIcon());
    icon.LoadFromStream(in);
    EXPECT_EQ(icon.Width(), 2);
    EXPECT_EQ(icon.Height(), 2);

    CanvasOnBitmap m(4, 4, 0x00FF00);
    m.canvas.Draw(1, 1, &icon);
    EXPECT_EQ(m.at(1, 1), 0x0000FFu);  // top row red
    EXPECT_EQ(m.at(2, 1), 0x00FF00u);  // masked out
    EXPECT_EQ(m.at(1, 2), 0xFF0000u);  // bottom row blue

    TIcon copy;
    copy.Assign(icon);
    EXPECT_NE(copy.Handle(), icon.Handle());
    EXPECT_EQ(copy.Width(), 2);

    Bytes damaged = tinyIcon();
    damaged.resize(30);
    base::MemoryStream bad = streamOf(damaged);
    EXPECT_THROW(icon.LoadFromStream(bad), base::Error);
    EXPECT_EQ(icon.Width(), 2);
}

// A strip of two 2x2 pictures on fuchsia: the first has a red pixel, the second a black one.
void paintStrip(TBitmap& b)
{
    b.SetSize(4, 2);
    b.Canvas()->Brush()->SetColor(clFuchsia);
    b.Canvas()->FillRect(Rect(0, 0, 4, 2));
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(3, 1, clBlack);
}

TEST(GraphicsImageList, AStripIsCutIntoPicturesDrawnThroughTheirMasks)
{
    TImageList list(nullptr, 2, 2);
    TBitmap b;
    paintStrip(b);
    EXPECT_EQ(list.AddMasked(&b, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);

    CanvasOnBitmap m(6, 2, 0x00FF00);
    list.Draw(&m.canvas, 0, 0, 0);
    list.Draw(&m.canvas, 2, 0, 1);
    list.Draw(&m.canvas, 4, 0, 7);  // no such picture: nothing
    EXPECT_EQ(m.at(0, 0), 0x0000FFu);
    EXPECT_EQ(m.at(3, 1), 0x000000u);
    EXPECT_EQ(m.count(0x00FF00), 12 - 2);

    // Disabled: the dark pixel in shadow, its highlight one pixel down and right.
    CanvasOnBitmap grey(4, 4, 0x00FF00);
    list.Draw(&grey.canvas, 0, 0, 1, false);
    EXPECT_EQ(grey.at(1, 1), plat::GetSysColor(plat::COLOR_BTNSHADOW));
    EXPECT_EQ(grey.at(2, 2), plat::GetSysColor(plat::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(grey.count(0x00FF00), 16 - 2);

    TBitmap out;
    list.SetBkColor(clYellow);
    list.GetBitmap(0, &out);
    EXPECT_EQ(out.Canvas()->Pixels(1, 1), clYellow);
    EXPECT_EQ(out.Canvas()->Pixels(0, 0), clRed);

    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.Delete(1), base::Error);
    list.SetSize(4, 4);
    EXPECT_EQ(list.Count(), 0);
}

TEST(GraphicsImageList, AGivenMaskHidesItsWhitePixelsAndUnmaskedListsDrawRectangles)
{
    TImageList list(nullptr, 2, 1);
    TBitmap image(2, 1), mask(2, 1, pf1bit);
    image.Canvas()->SetPixels(0, 0, clBlue);
    image.Canvas()->SetPixels(1, 0, clRed);
    mask.Image()->setPixel(0, 0, 0);  // shown; pixel 1 stays white: hidden
    list.Add(&image, &mask);

    CanvasOnBitmap m(2, 1, 0x00FF00);
    list.Draw(&m.canvas, 0, 0, 0);
    EXPECT_EQ(m.at(0, 0), 0xFF0000u);
    EXPECT_EQ(m.at(1, 0), 0x00FF00u);

    list.SetMasked(false);
    list.Draw(&m.canvas, 0, 0, 0);
    EXPECT_EQ(m.at(1, 0), 0x0000FFu);
}

}  // namespace
}  // namespace fw
