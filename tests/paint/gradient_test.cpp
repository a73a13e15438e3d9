#include <gtest/gtest.h>

#include <cstdlib>

#include "paint/raster/gradient.h"
#include "raster_fixture.h"

using namespace paint;
using paint_test::filled;
using paint_test::noise;

TEST(PaintGradient, OneVerticalStepBlackToWhiteGivesEachRowItsNumber)
{
    gfx::Bitmap b = filled(4, 256, 0x123456);
    PaintGradient(b, b.rect(), {{0x000000, 0xFFFFFF, 100, 0, 0}}, 0);
    for (int y = 0; y < 256; ++y) ASSERT_EQ(b.pixel24(3, y), gfx::rgb(std::uint8_t(y), std::uint8_t(y), std::uint8_t(y))) << y;
}

TEST(PaintGradient, NoStepsOrAnOutsideRectangleLeaveTheBitmap)
{
    gfx::Bitmap b = noise(5, 5, 1);
    const gfx::Bitmap before = b;
    PaintGradient(b, b.rect(), {}, 0);
    PaintGradient(b, {10, 10, 20, 20}, {{0, 0xFFFFFF, 50, 0, 0}}, 0);
    PaintGradient(b, {10, 0, 20, 5}, {{0, 0xFFFFFF, 50, 1, 0}}, 0);
    PaintGradient(b, b.rect(), {{0, 0xFFFFFF, 50, 7, 0}}, 0);
    EXPECT_EQ(b, before);
}

TEST(PaintGradient, VerticalBandsShareTheirBoundaryRow)
{
    // 11 rows: 50 % of 11 is 5, so band one is rows 0..5 and band two 5..10, painting over row 5.
    gfx::Bitmap b = filled(3, 11, 0x123456);
    PaintGradient(b, b.rect(), {{0x000000, 0x0000FA, 50, 0, 0}, {0x00FF00, 0x00FF0A, 50, 0, 0}}, 0);
    EXPECT_EQ(b.pixel24(0, 0), 0x000000u);
    EXPECT_EQ(b.pixel24(0, 4), 0x0000C8u);  // 4 * 250 / 5
    EXPECT_EQ(b.pixel24(0, 5), 0x00FF00u);
    EXPECT_EQ(b.pixel24(2, 10), 0x00FF0Au);

    // The columns stop at the rectangle's right edge; rows below it stay.
    gfx::Bitmap part = filled(6, 6, 0x123456);
    PaintGradient(part, {1, 0, 4, 4}, {{0x0, 0x0, 100, 0, 0}}, 0);
    EXPECT_EQ(part.pixel24(1, 3), 0u);
    EXPECT_EQ(part.pixel24(4, 3), 0x123456u);
    EXPECT_EQ(part.pixel24(1, 4), 0x123456u);
}

TEST(PaintGradient, HorizontalBandsWalkTheColumns)
{
    gfx::Bitmap b = filled(11, 3, 0x123456);
    PaintGradient(b, b.rect(), {{0x000000, 0x0000FA, 50, 1, 0}, {0x00FF00, 0x00FF0A, 50, 1, 0}}, 0);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(b.pixel24(0, y), 0x000000u);
        EXPECT_EQ(b.pixel24(4, y), 0x0000A7u);  // band one is columns 0..6 (round(5.5) = 6): 4 * 250 / 6 = 166.7
    }
}

TEST(PaintGradient, TheSkinsTwoStepGradientLooksRight)
{
    gfx::Bitmap b = filled(120, 80, 0);
    PaintGradient(b, b.rect(), {{15198183, 16777215, 97, 0, 0}, {16777215, 16777215, 0, 0, 0}}, 0);
    EXPECT_EQ(b.pixel24(0, 0), 15198183u);
    EXPECT_EQ(b.pixel24(119, 79), 0xFFFFFFu);
    paint_test::savePng(b, "paint_gradient_two_steps.png");
}

TEST(PaintGradient, MeshShadesFromTheCornersAndTheCentre)
{
    gfx::Bitmap b = filled(41, 31, 0x123456);
    const gfx::Bitmap* const before = &b;
    PaintGradient(b, {0, 0, 40, 30},
                  {{0x0000FF, 0, 0, 2, 0}, {0xFFFFFF, 0, 0, 2, 0}, {0x00FF00, 0, 0, 2, 0}, {0xFF0000, 0, 0, 2, 0}}, 0);
    ASSERT_EQ(&b, before);
    ASSERT_EQ(b.width(), 41);  // the pixels come back to the same bitmap
    // Sampled at pixel centres: near, not at, each point's colour.
    auto near = [](gfx::Color got, gfx::Color want) {
        return std::abs(gfx::red(got) - gfx::red(want)) <= 12 && std::abs(gfx::green(got) - gfx::green(want)) <= 12 &&
               std::abs(gfx::blue(got) - gfx::blue(want)) <= 12;
    };
    EXPECT_TRUE(near(b.pixel24(0, 0), 0x0000FF)) << std::hex << b.pixel24(0, 0);
    EXPECT_TRUE(near(b.pixel24(20, 15), 0xFFFFFF)) << std::hex << b.pixel24(20, 15);
    EXPECT_TRUE(near(b.pixel24(39, 0), 0x00FF00)) << std::hex << b.pixel24(39, 0);
    EXPECT_EQ(b.pixel24(40, 30), 0x123456u);  // outside the shapes
    // The fifth point has no step of its own and repeats the fourth's colour.
    const gfx::Color bottomLeft = b.pixel24(0, 29);
    EXPECT_GT(gfx::blue(bottomLeft), 200);
    EXPECT_LT(gfx::red(bottomLeft), 60);
    paint_test::savePng(b, "paint_gradient_mesh.png");
}
