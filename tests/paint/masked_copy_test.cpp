#include <gtest/gtest.h>

#include "paint/raster/masked_copy.h"
#include "raster_fixture.h"

using namespace paint;
using paint_test::filled;
using paint_test::noise;

namespace {
// A masked entry w x h: picture in the top half, a mask of one value in the lower half.
struct MaskedImage {
    gfx::Bitmap bitmap;
    skin::TsMaskData entry;

    MaskedImage(const gfx::Bitmap& picture, std::uint8_t mask)
        : bitmap(CreateBmp24(picture.width(), 2 * picture.height()))
    {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                bitmap.setPixel24(x, y, picture.pixel24(x, y));
                bitmap.setPixel24(x, y + picture.height(), gfx::rgb(mask, mask, mask));
            }
        entry.SourceRect = bitmap.rect();
        entry.MaskType = 1;
    }
    gfx::Rect picture() const { return {0, 0, bitmap.width(), bitmap.height() / 2}; }
};
const TsParentCache kNoParent{};
}  // namespace

TEST(CopyMaskedRect, MaskZeroCopiesThePictureExactly)
{
    const gfx::Bitmap picture = noise(9, 7, 5);
    MaskedImage image(picture, 0);
    gfx::Bitmap dst = noise(9, 7, 6);
    CopyMaskedRect(dst.rect(), image.picture(), dst, image.entry, false, kNoParent, gfx::kKeyColor, image.bitmap);
    EXPECT_EQ(dst, picture);
}

TEST(CopyMaskedRect, MixesByTheMaskByte)
{
    struct Case {
        int dst, src, mask, expected;
    };
    const Case cases[] = {{200, 0, 255, 199}, {200, 100, 128, 150}, {0, 255, 255, 0}, {255, 255, 255, 255}, {10, 20, 1, 19}};
    for (const Case& c : cases) {
        MaskedImage image(filled(3, 3, gfx::rgb(std::uint8_t(c.src), 0, 0)), std::uint8_t(c.mask));
        gfx::Bitmap dst = filled(3, 3, gfx::rgb(std::uint8_t(c.dst), 0, 0));
        CopyMaskedRect(dst.rect(), image.picture(), dst, image.entry, false, kNoParent, gfx::kKeyColor, image.bitmap);
        EXPECT_EQ(gfx::red(dst.pixel24(1, 1)), c.expected) << c.dst << " " << c.src << " " << c.mask;
    }
}

TEST(CopyMaskedRect, KeyPixelsShowTheParentOrItsColour)
{
    gfx::Bitmap picture = filled(4, 4, gfx::rgb(0, 0, 0));
    picture.setPixel24(1, 1, gfx::kKeyColor);
    MaskedImage image(picture, 0);
    gfx::Bitmap parent = noise(8, 8, 3);
    struct Case {
        bool show;
        TsParentCache cache;
        gfx::Color parentColor;
        gfx::Color expected;
    };
    const Case cases[] = {
        {true, {&parent, 2, 3, true}, 0x00FF00, parent.pixel24(2 + 2, 3 + 2)},
        {true, {&parent, 2, 3, false}, 0x00FF00, 0x00FF00},
        {true, {nullptr, 0, 0, false}, gfx::kKeyColor, gfx::kKeyColor},
        {false, {&parent, 2, 3, true}, 0x00FF00, gfx::kKeyColor},  // mixed like any pixel, mask 0
        {true, {&parent, 7, 7, true}, 0x00FF00, 0x505050},         // outside the cache: left alone
    };
    for (const Case& c : cases) {
        gfx::Bitmap dst = filled(6, 6, 0x505050);
        CopyMaskedRect({1, 1, 5, 5}, image.picture(), dst, image.entry, c.show, c.cache, c.parentColor, image.bitmap);
        EXPECT_EQ(dst.pixel24(2, 2), c.expected) << c.show << " " << c.cache.Ready;
        EXPECT_EQ(dst.pixel24(1, 1), 0u);
    }
}

TEST(CopyMaskedRect, ClipsBothRectanglesTogether)
{
    gfx::Bitmap picture = CreateBmp24(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) picture.setPixel24(x, y, gfx::rgb(std::uint8_t(16 * y + x + 1), 0, 0));
    MaskedImage image(picture, 0);

    gfx::Bitmap dst = filled(3, 3, 0);
    // Negative destination edges move the source in by as much.
    CopyMaskedRect({-1, -2, 3, 2}, image.picture(), dst, image.entry, false, kNoParent, gfx::kKeyColor, image.bitmap);
    EXPECT_EQ(dst.pixel24(0, 0), picture.pixel24(1, 2));
    EXPECT_EQ(dst.pixel24(2, 1), picture.pixel24(3, 3));
    EXPECT_EQ(dst.pixel24(0, 2), 0u);

    // A source rectangle reaching into the mask half would read mask rows past the bitmap: cut.
    gfx::Bitmap low = filled(4, 8, 0);
    CopyMaskedRect({0, 0, 4, 8}, {0, 2, 4, 10}, low, image.entry, false, kNoParent, gfx::kKeyColor, image.bitmap);
    EXPECT_EQ(low.pixel24(0, 1), picture.pixel24(0, 3));
    EXPECT_EQ(low.pixel24(0, 2), 0u);  // its mask row would lie beyond the source
    // Rectangles wholly outside do nothing.
    const gfx::Bitmap before = low;
    CopyMaskedRect({9, 9, 20, 20}, image.picture(), low, image.entry, true, kNoParent, gfx::kKeyColor, image.bitmap);
    CopyMaskedRect({0, 0, 4, 4}, {5, 0, 9, 4}, low, image.entry, true, kNoParent, gfx::kKeyColor, image.bitmap);
    EXPECT_EQ(low, before);
}

TEST(CopyMaskedRect, WideRowsShowTheParentExactlyAtKeyPixels)
{
    // Keys scattered over a row long enough for whole blocks, a half mask elsewhere.
    gfx::Bitmap picture = noise(70, 3, 8);
    for (int x = 0; x < 70; ++x)
        if (x % 11 == 2 || x == 69) picture.setPixel24(x, 1, gfx::kKeyColor);
    MaskedImage image(picture, 128);
    const gfx::Bitmap parent = noise(80, 10, 2);
    const TsParentCache cache{&parent, 5, 4, true};
    gfx::Bitmap dst = noise(70, 3, 1);
    const gfx::Bitmap before = dst;
    CopyMaskedRect(dst.rect(), image.picture(), dst, image.entry, true, cache, gfx::kKeyColor, image.bitmap);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 70; ++x) {
            const gfx::Color s = picture.pixel24(x, y), d = before.pixel24(x, y);
            gfx::Color want = parent.pixel24(5 + x, 4 + y);
            if (s != gfx::kKeyColor) {
                auto mix = [](int dc, int sc) { return std::uint8_t((dc * 128 + sc * 128) >> 8); };
                want = gfx::rgb(mix(gfx::red(d), gfx::red(s)), mix(gfx::green(d), gfx::green(s)), mix(gfx::blue(d), gfx::blue(s)));
            }
            ASSERT_EQ(dst.pixel24(x, y), want) << x << "," << y;
        }
}
