#include <gtest/gtest.h>

#include <cmath>

#include "paint/raster/blend.h"
#include "paint/raster/fast24.h"
#include "raster_fixture.h"

using namespace paint;
using paint_test::countDiffering;
using paint_test::filled;
using paint_test::noise;

TEST(Fast24, RefusesBitmapsUnderTwoPixelsAndReadsThroughTheRowDelta)
{
    TacFast24 reader;
    EXPECT_FALSE(reader.Attach(CreateBmp24(5, 1)));
    EXPECT_EQ(reader.Width, 0);
    EXPECT_FALSE(reader.Attach(CreateBmp24(1, 5)));

    gfx::Bitmap b = CreateBmp24(3, 2);
    ASSERT_LT(b.rowDelta(), 0);  // working bitmaps are bottom-up
    b.setPixel24(2, 1, 0x123456);
    ASSERT_TRUE(reader.Attach(b));
    EXPECT_EQ(reader.Pixel(2, 1), 0x123456u);

    // Blends needing a 1-pixel-high bitmap do nothing.
    gfx::Bitmap thin = filled(4, 1, 0x101010);
    const gfx::Bitmap before = thin;
    SumBitmaps(thin, filled(4, 1, gfx::kWhite), 0);
    SumBitmapRect(thin, filled(4, 1, gfx::kWhite), 0, {0, 0}, {0, 0, 4, 1});
    EXPECT_EQ(thin, before);
}

TEST(SumBitmaps, DividesBy256SoWhiteOnWhiteGives254AtAnyWeight)
{
    for (int w : {0, 1, 127, 128, 255}) {
        gfx::Bitmap dst = filled(3, 3, gfx::kWhite);
        SumBitmaps(dst, filled(3, 3, gfx::kWhite), std::uint8_t(w));
        EXPECT_EQ(dst.pixel24(1, 1), 0xFEFEFEu) << "weight " << w;
    }
}

TEST(SumBitmaps, WeightZeroTakesTheSourceLessTheDivisorsLoss)
{
    // (S * 255 + 127) >> 8 is S up to 127 and S - 1 above: the source, bar the 256 divisor.
    const gfx::Bitmap src = noise(17, 9, 1);
    gfx::Bitmap dst = noise(17, 9, 2);
    SumBitmaps(dst, src, 0);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 17; ++x)
            for (int c = 0; c < 3; ++c) {
                const int s = src.row(y)[3 * x + c];
                ASSERT_EQ(dst.row(y)[3 * x + c], s > 127 ? s - 1 : s) << x << "," << y;
            }
}

TEST(SumBitmaps, DifferentSizesLeaveTheDestination)
{
    gfx::Bitmap dst = noise(8, 8, 3);
    const gfx::Bitmap before = dst;
    SumBitmaps(dst, noise(8, 9, 4), 10);
    EXPECT_EQ(dst, before);
}

TEST(SumBitmapRect, HonoursTheSourceTopAndClipsEveryEdge)
{
    // Source rows carry their own grey so a wrong row shows.
    gfx::Bitmap src = CreateBmp24(6, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 6; ++x) src.setPixel24(x, y, gfx::rgb(std::uint8_t(8 * y), 0, 0));
    auto redAt = [](const gfx::Bitmap& b, int x, int y) { return gfx::red(b.pixel24(x, y)); };
    // weight 0: D := (S * 255 + 127) >> 8
    auto mixed = [](int s) { return (s * 255 + 127) >> 8; };

    struct Case {
        gfx::Point at;
        gfx::Rect source;
        gfx::Point probe;   // a destination pixel
        int sourceRow;      // the source row it must show, -1 untouched
    };
    const Case cases[] = {
        {{0, 0}, {0, 10, 6, 20}, {0, 0}, 10},
        {{0, 0}, {0, 10, 6, 20}, {0, 9}, 19},
        {{0, 0}, {0, 10, 6, 20}, {0, 10}, -1},
        {{2, -3}, {0, 10, 6, 20}, {2, 0}, 13},   // negative point moves the source top down
        {{5, 0}, {0, 0, 6, 30}, {5, 3}, 3},      // cut at the destination's right edge
        {{0, 0}, {-4, -4, 3, 3}, {2, 2}, 2},     // negative source edges become 0
        {{0, 8}, {0, 25, 6, 40}, {0, 12}, 29},   // cut to the source's bottom
        {{0, 8}, {0, 25, 6, 40}, {0, 13}, -1},
        {{7, 0}, {0, 0, 6, 30}, {5, 5}, -1},     // point beyond the destination
    };
    for (const Case& c : cases) {
        gfx::Bitmap dst = filled(6, 16, 0);
        SumBitmapRect(dst, src, 0, c.at, c.source);
        const int expected = c.sourceRow < 0 ? 0 : mixed(8 * c.sourceRow);
        EXPECT_EQ(redAt(dst, c.probe.x, c.probe.y), expected)
            << "at " << c.at.x << "," << c.at.y << " probe " << c.probe.x << "," << c.probe.y;
    }
}

TEST(BlendColorRect, InclusiveRectangleClippedAndRoundedToEven)
{
    gfx::Bitmap big = filled(20, 20, 0x404040);
    const gfx::Bitmap bigBefore = big;
    BlendColorRect(big, {0, 0, 10, 10}, 50, 0);
    EXPECT_EQ(countDiffering(big, bigBefore), 121);

    gfx::Bitmap small = filled(10, 10, 0x404040);
    const gfx::Bitmap smallBefore = small;
    BlendColorRect(small, {0, 0, 10, 10}, 50, 0);
    EXPECT_EQ(countDiffering(small, smallBefore), 100);

    gfx::Bitmap off = filled(10, 10, 0x404040);
    BlendColorRect(off, {-5, -5, 0, 0}, 50, 0);
    BlendColorRect(off, {10, 10, 30, 30}, 50, 0);
    EXPECT_EQ(countDiffering(off, smallBefore), 1);

    struct Case {
        int old, percent, colour, expected;
    };
    const Case cases[] = {
        {1, 50, 0, 0},      // 0.5 to even
        {3, 50, 0, 2},      // 1.5 to even
        {5, 50, 0, 2},      // 2.5 to even
        {200, 100, 0, 200}, // all of the old stays
        {200, 0, 7, 7},
        {100, 40, 200, 160},
        {255, 150, 0, 255}, // out-of-range shares are held to a byte
    };
    for (const Case& c : cases) {
        gfx::Bitmap b = filled(2, 2, gfx::rgb(std::uint8_t(c.old), 0, 0));
        BlendColorRect(b, {0, 0, 1, 1}, c.percent, gfx::rgb(std::uint8_t(c.colour), 0, 0));
        EXPECT_EQ(gfx::red(b.pixel24(1, 1)), c.expected) << c.old << " " << c.percent << " " << c.colour;
    }
}

TEST(MixColors, RoundsPerChannelAndKeepsTheHighByte)
{
    EXPECT_EQ(MixColors(0x01000000 | gfx::rgb(10, 20, 30), gfx::rgb(0, 0, 0), 0.5), 0x01000000 | gfx::rgb(5, 10, 15));
    EXPECT_EQ(MixColors(gfx::rgb(1, 3, 255), gfx::rgb(0, 0, 0), 0.5), gfx::rgb(0, 2, 128));
    EXPECT_EQ(MixColors(gfx::kWhite, 0x123456, 0.0), 0x123456u);
}

TEST(BlendTransRect, MixesWithTheFactorSkipsKeysAndFollowsANegativeEdge)
{
    gfx::Bitmap src = filled(4, 4, gfx::rgb(100, 0, 0));
    src.setPixel24(1, 1, gfx::kKeyColor);
    gfx::Bitmap dst = filled(4, 4, gfx::rgb(200, 0, 0));
    BlendTransRect(dst, 0, 0, gfx::kKeyColor, 0.4, {0, 0, 3, 3}, src);
    EXPECT_EQ(dst.pixel24(0, 0), gfx::rgb(140, 0, 0));  // 0.4 * 200 + 0.6 * 100
    EXPECT_EQ(dst.pixel24(1, 1), gfx::rgb(200, 0, 0));

    // No key: the fuchsia pixel mixes too.
    gfx::Bitmap all = filled(4, 4, 0);
    BlendTransRect(all, 0, 0, 0xFFFFFFFFu, 0.5, {0, 0, 3, 3}, src);
    EXPECT_EQ(all.pixel24(1, 1), gfx::rgb(128, 0, 128));

    // A left edge of -2 starts at source column 0 and moves the destination by 2.
    gfx::Bitmap shifted = filled(6, 4, 0);
    gfx::Bitmap ramp = CreateBmp24(4, 4);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) ramp.setPixel24(x, y, gfx::rgb(std::uint8_t(10 * (x + 1)), 0, 0));
    BlendTransRect(shifted, 0, 0, 0xFFFFFFFFu, 0.0, {-2, 0, 3, 3}, ramp);
    EXPECT_EQ(shifted.pixel24(1, 0), 0u);
    EXPECT_EQ(shifted.pixel24(2, 0), gfx::rgb(10, 0, 0));
    EXPECT_EQ(shifted.pixel24(5, 0), gfx::rgb(40, 0, 0));

    // Far outside both bitmaps: nothing.
    const gfx::Bitmap before = shifted;
    BlendTransRect(shifted, 100, -100, 0xFFFFFFFFu, 0.0, {0, 0, 3, 3}, ramp);
    BlendTransRect(shifted, 0, 0, 0xFFFFFFFFu, 0.0, {10, 10, 30, 30}, ramp);
    EXPECT_EQ(shifted, before);
}

TEST(GrayscaleBitmap, AveragesTheChannelsDownwards)
{
    gfx::Bitmap b = filled(2, 2, gfx::rgb(10, 20, 32));
    GrayscaleBitmap(b);
    EXPECT_EQ(b.pixel24(1, 1), gfx::rgb(20, 20, 20));  // 62 / 3
}

TEST(BlendColorRect, EveryShareAndOldValueMatchesTheRoundedFormula)
{
    // The fast integer path must agree with round(e * old + (1 - e) * colour) everywhere.
    gfx::Bitmap b = CreateBmp24(256, 2);
    for (int p = 0; p <= 100; ++p)
        for (gfx::Color colour : {gfx::Color(0x000000), gfx::Color(0xFF7F01), gfx::Color(0x33CC99)}) {
            for (int v = 0; v < 256; ++v) {
                const std::uint8_t old = std::uint8_t(v);
                b.setPixel24(v, 0, gfx::rgb(old, old, old));
            }
            BlendColorRect(b, {0, 0, 255, 0}, p, colour);
            const double e = p / 100.0;
            for (int v = 0; v < 256; ++v) {
                const gfx::Color got = b.pixel24(v, 0);
                auto want = [&](int c) { return int(std::nearbyint(e * v + (1.0 - e) * c)); };
                ASSERT_EQ(gfx::red(got), want(gfx::red(colour))) << "share " << p << " old " << v;
                ASSERT_EQ(gfx::green(got), want(gfx::green(colour))) << "share " << p << " old " << v;
                ASSERT_EQ(gfx::blue(got), want(gfx::blue(colour))) << "share " << p << " old " << v;
            }
        }
}
