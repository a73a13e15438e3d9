#include <gtest/gtest.h>

#include "base/utf8.h"
#include "fw/graphics/bitmap.h"
#include "paint/raster/cut_text.h"
#include "paint/raster/focus_dots.h"

using namespace paint;

TEST(CutText, ShortensByWholeCharactersBeforeTheDots)
{
    fw::TBitmap b(10, 10);
    fw::TCanvas& canvas = *b.Canvas();
    const int twoAndDots = canvas.TextWidth("Ab...");
    ASSERT_GT(twoAndDots, canvas.TextWidth("A..."));
    struct Case {
        std::string text;
        int width;
        std::string expected;
    };
    const Case cases[] = {
        {"Abcdef", twoAndDots, "Ab..."},
        {"Abcdef", 0, ""},
        {"Abcdef", -5, ""},
        {"Abcdef", canvas.TextWidth("Abcdef"), "Abcdef"},
        {"Abcdef", 1, ""},  // not even the dots fit
    };
    for (const Case& c : cases) EXPECT_EQ(CutText(canvas, c.text, c.width), c.expected) << c.width;

    // Cyrillic letters are two bytes each: the cut never splits one.
    const std::string cyrillic = "\xD0\x90\xD0\x91\xD0\x92\xD0\x93\xD0\x94";
    for (int w = 1; w < canvas.TextWidth(cyrillic); ++w) ASSERT_TRUE(base::isValidUtf8(CutText(canvas, cyrillic, w))) << w;
}

TEST(DrawFocusDots, BlackEveryThirdPixelWithWhiteUpAndLeft)
{
    fw::TBitmap b(20, 14);
    b.Canvas()->Brush()->SetColor(0x808080);
    b.Canvas()->FillRect(fw::Rect(0, 0, 20, 14));
    DrawFocusDots(*b.Canvas(), fw::Rect(2, 2, 11, 8));
    const gfx::Bitmap& px = *b.Image();
    for (int x : {2, 5, 8, 11}) {
        EXPECT_EQ(px.pixel(x, 2), gfx::kBlack) << x;
        EXPECT_EQ(px.pixel(x, 8), gfx::kBlack) << x;
        EXPECT_EQ(px.pixel(x - 1, 1), gfx::kWhite) << x;
        EXPECT_EQ(px.pixel(x - 1, 7), gfx::kWhite) << x;
    }
    for (int y : {2, 5, 8}) {
        EXPECT_EQ(px.pixel(2, y), gfx::kBlack) << y;
        EXPECT_EQ(px.pixel(11, y), gfx::kBlack) << y;
    }
    EXPECT_EQ(px.pixel(3, 2), 0x808080u);
    EXPECT_EQ(px.pixel(14, 2), 0x808080u);
    // Dots past the bitmap's edges are simply not drawn.
    DrawFocusDots(*b.Canvas(), fw::Rect(-3, -3, 40, 40));
}
