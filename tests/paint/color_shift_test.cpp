#include <gtest/gtest.h>

#include "paint/raster/color_shift.h"

using namespace paint;

TEST(ChangeHue, TurnsAroundTheColourWheel)
{
    struct Case {
        int offset;
        gfx::Color in, out;
    };
    const Case cases[] = {
        {120, gfx::rgb(255, 0, 0), gfx::rgb(0, 255, 0)},
        {240, gfx::rgb(255, 0, 0), gfx::rgb(0, 0, 255)},
        {-120, gfx::rgb(255, 0, 0), gfx::rgb(0, 0, 255)},   // negative turns go round the wheel too
        {0, gfx::rgb(200, 100, 50), gfx::rgb(200, 100, 50)},
        {60, gfx::rgb(255, 0, 0), gfx::rgb(255, 255, 0)},
        {90, gfx::rgb(128, 128, 128), gfx::rgb(128, 128, 128)},  // grey has no hue
        {90, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ChangeHue(c.offset, c.in), c.out) << c.offset << " " << std::hex << c.in;
}

TEST(ChangeSaturation, MovesTowardsOrAwayFromGrey)
{
    EXPECT_EQ(ChangeSaturation(gfx::rgb(200, 100, 0), 0), gfx::rgb(200, 100, 0));
    EXPECT_EQ(ChangeSaturation(gfx::rgb(200, 100, 0), 100), gfx::rgb(100, 100, 100));
    EXPECT_EQ(ChangeSaturation(gfx::rgb(200, 100, 0), 50), gfx::rgb(150, 100, 50));
    EXPECT_EQ(ChangeSaturation(gfx::rgb(200, 100, 0), -100), gfx::rgb(255, 100, 0));
}
