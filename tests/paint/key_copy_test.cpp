#include <gtest/gtest.h>

#include "paint/raster/key_copy.h"
#include "raster_fixture.h"

using namespace paint;
using paint_test::filled;
using paint_test::noise;

namespace {
// A picture with a fuchsia frame and a few key pixels inside.
gfx::Bitmap keyedPicture(int w, int h)
{
    gfx::Bitmap b = noise(w, h, 9);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1 || (x * y) % 7 == 3 || (x > 20 && x < 37)) b.setPixel24(x, y, gfx::kKeyColor);
    return b;
}
}  // namespace

TEST(CopyTransRect, KeyPixelsNeverChangeTheDestination)
{
    // Wide enough for whole blocks of sixteen pixels with and without keys.
    const gfx::Bitmap src = keyedPicture(53, 11);
    for (gfx::Point at : {gfx::Point{0, 0}, gfx::Point{3, 2}, gfx::Point{-4, -5}, gfx::Point{8, 9}}) {
        gfx::Bitmap dst = noise(55, 12, 4);
        const gfx::Bitmap before = dst;
        CopyTransRect(dst, src, at.x, at.y, gfx::kKeyColor, {0, 0, 52, 10});
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 53; ++x) {
                const int dx = at.x + x, dy = at.y + y;
                if (dx < 0 || dy < 0 || dx >= 55 || dy >= 12) continue;
                const gfx::Color want = src.pixel24(x, y) == gfx::kKeyColor ? before.pixel24(dx, dy) : src.pixel24(x, y);
                ASSERT_EQ(dst.pixel24(dx, dy), want) << dx << "," << dy;
            }
    }
}

TEST(CopyTransRect, RectangleCutToTheSourceAndNoKeyCopiesAll)
{
    const gfx::Bitmap src = keyedPicture(5, 5);
    gfx::Bitmap dst = filled(8, 8, 0);
    CopyTransRect(dst, src, 1, 1, 0xFFFFFFFFu, {-3, -3, 40, 40});  // negative edges to 0, far edges to 4
    EXPECT_EQ(dst.pixel24(1, 1), gfx::kKeyColor);
    EXPECT_EQ(dst.pixel24(3, 3), src.pixel24(2, 2));
    EXPECT_EQ(dst.pixel24(6, 6), 0u);
}

TEST(CopyTransRectParent, KeyPixelsShowTheParentWhereTheCacheReaches)
{
    gfx::Bitmap src = filled(4, 3, 0x111111);
    for (int y = 0; y < 3; ++y) src.setPixel24(0, y, gfx::kKeyColor);
    src.setPixel24(3, 2, gfx::kKeyColor);
    gfx::Bitmap parent = noise(6, 5, 7);

    struct Case {
        TsParentCache cache;
        bool show;
        gfx::Point probe;
        bool fromParent;   // else untouched
        gfx::Point parentAt;
    };
    const Case cases[] = {
        {{&parent, 2, 1, true}, true, {1, 1}, true, {3, 2}},
        {{&parent, 1, 1, true}, true, {4, 3}, true, {5, 4}},
        {{&parent, 2, 1, false}, true, {1, 1}, false, {}},    // not ready
        {{&parent, 2, 1, true}, false, {1, 1}, false, {}},    // flag clear
        {{nullptr, 2, 1, true}, true, {1, 1}, false, {}},     // no bitmap
        {{&parent, 2, 3, true}, true, {1, 2}, false, {}},     // row below the cache
        {{&parent, -3, 0, true}, true, {1, 1}, false, {}},    // column left of the cache
        {{&parent, 3, 0, true}, true, {4, 3}, false, {}},     // column past its right edge
    };
    for (const Case& c : cases) {
        gfx::Bitmap dst = filled(6, 5, 0x777777);
        CopyTransRectParent(dst, src, 1, 1, c.show, c.cache, gfx::kKeyColor, {0, 0, 3, 2});
        const gfx::Color want = c.fromParent ? parent.pixel24(c.parentAt.x, c.parentAt.y) : 0x777777u;
        EXPECT_EQ(dst.pixel24(c.probe.x, c.probe.y), want) << "cache " << c.cache.X << "," << c.cache.Y;
        EXPECT_EQ(dst.pixel24(2, 1), 0x111111u);
    }
}
