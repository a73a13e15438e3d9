#include "gfx/bitmap.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace gfx {
namespace {

TEST(Bitmap, RejectsBadDepthsAndSizes)
{
    struct Case {
        int w, h, bpp;
    } cases[] = {
        {4, 4, 2},   {4, 4, 16}, {-1, 4, 24}, {4, -1, 24}, {Bitmap::kMaxDimension + 1, 1, 24},
        {1, Bitmap::kMaxDimension + 1, 8}, {Bitmap::kMaxDimension, Bitmap::kMaxDimension, 32},
    };
    for (const Case& c : cases)
        EXPECT_THROW(Bitmap(c.w, c.h, c.bpp), base::Error) << c.w << "x" << c.h << "@" << c.bpp;
}

TEST(Bitmap, PixelAddressingFollowsRowOrder)
{
    for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
        Bitmap b(3, 2, 24, order);
        b.setPixel24(1, 0, 0x112233);
        const std::uint8_t* lowest = b.bits();
        // Row 0 is the first row in memory only for a top-down bitmap.
        const std::uint8_t* row0 = order == RowOrder::TopDown ? lowest : lowest + b.stride();
        EXPECT_EQ(b.row(0), row0);
        EXPECT_EQ(row0[3], 0x11);  // blue first
        EXPECT_EQ(b.stride(), 12u);
    }
}

TEST(Bitmap, CopiesAndMovesKeepTheirOwnRows)
{
    Bitmap a(5, 4, 24, RowOrder::BottomUp);
    a.fill(0x010203);
    a.setPixel24(4, 3, 0xABCDEF);
    Bitmap copy(a);
    copy.setPixel24(0, 0, 0x777777);
    EXPECT_EQ(a.pixel24(0, 0), 0x010203u);
    EXPECT_EQ(copy.pixel24(4, 3), 0xABCDEFu);
    EXPECT_GE(copy.row(3), copy.bits());
    EXPECT_LT(copy.row(0), copy.bits() + copy.byteSize());

    Bitmap assigned;
    assigned = copy;
    EXPECT_EQ(assigned, copy);
    Bitmap moved(std::move(assigned));
    EXPECT_EQ(moved.pixel24(0, 0), 0x777777u);
    EXPECT_TRUE(assigned.empty());
    EXPECT_EQ(assigned.row0(), nullptr);
}

TEST(Bitmap, EqualityComparesPixelsNotMemoryLayout)
{
    Bitmap top(3, 3, 24, RowOrder::TopDown), bottom(3, 3, 24, RowOrder::BottomUp);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            top.setPixel24(x, y, Color(x * 40 + y));
            bottom.setPixel24(x, y, Color(x * 40 + y));
        }
    EXPECT_EQ(top, bottom);
    bottom.setPixel24(2, 2, 0);
    EXPECT_FALSE(top == bottom);
}

TEST(Bitmap, To24ExpandsEveryPaletteDepth)
{
    for (int bpp : {1, 4, 8}) {
        for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
            const int colours = 1 << bpp;
            Bitmap b(11, 3, bpp, order);
            for (int i = 0; i < colours; ++i)
                b.palette()[std::size_t(i)] = rgb(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 3));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 11; ++x)
                    b.setPixel(x, y, Color((x * 5 + y) % colours));
            Bitmap c = b.to24();
            ASSERT_EQ(c.bitsPerPixel(), 24);
            EXPECT_EQ(c.rowOrder(), order);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 11; ++x)
                    ASSERT_EQ(c.pixel24(x, y), b.palette()[std::size_t((x * 5 + y) % colours)])
                        << bpp << " bits at " << x << "," << y;
        }
    }
}

TEST(Bitmap, IndexBeyondAShortPaletteReadsBlack)
{
    Bitmap b(2, 1, 8);
    b.palette() = {0x00FF00};
    b.setPixel(0, 0, 0);
    b.setPixel(1, 0, 200);
    EXPECT_EQ(b.pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(b.pixel(1, 0), kBlack);
    EXPECT_EQ(b.to24().pixel24(1, 0), kBlack);
}

TEST(Bitmap, EmptyBitmapConvertsAndFills)
{
    Bitmap e(0, 0, 8);
    EXPECT_TRUE(e.to24().empty());
    Bitmap f(0, 5, 24);
    f.fill(kWhite);
    EXPECT_TRUE(f.empty());
}

TEST(Bitmap, FillRectClipsAndRefusesPaletteBitmaps)
{
    Bitmap b(4, 4, 32);
    b.fillRect({-2, 2, 10, 10}, 0x123456);
    EXPECT_EQ(b.pixel(0, 1), kBlack);
    EXPECT_EQ(b.pixel(3, 3), 0x123456u);
    Bitmap p(4, 4, 8);
    EXPECT_THROW(p.fill(kWhite), base::Error);
}

}  // namespace
}  // namespace gfx
