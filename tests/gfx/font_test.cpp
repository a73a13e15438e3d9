#include <gtest/gtest.h>

#include <cstdlib>

#include "gfx/font.h"
#include "gfx/font_freetype.h"
#include "gfx/region.h"

namespace gfx {
namespace {

std::shared_ptr<Font> openFont(std::string face, int height, int weight = 400, bool italic = false)
{
    FontDesc d;
    d.face = std::move(face);
    d.height = height;
    d.weight = weight;
    d.italic = italic;
    return Font::open(d);
}

int changedPixels(const Bitmap& b, Color background, const Rect& area)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (b.pixel(x, y) != background) ++n;
    return n;
}

Bitmap whiteBitmap(int w, int h, int bpp = 24)
{
    Bitmap b(w, h, bpp);
    b.fill(kWhite);
    return b;
}

TEST(Font, MsSansSerifMinus11IsThirteenPixelLine)
{
    const auto font = openFont("MS Sans Serif", -11);
    const FontMetrics& m = font->metrics();
    EXPECT_EQ(m.height, 13);
    EXPECT_EQ(m.ascent + m.descent, 13);
    EXPECT_EQ(m.internalLeading, 2);
    EXPECT_EQ(font->textSize("Wg").height, 13);
    EXPECT_EQ(font->familyName(), "DejaVu Sans");
}

TEST(Font, MetricsAreConsistentAcrossFacesAndSizes)
{
    for (const char* face : {"MS Sans Serif", "Arial", "Times New Roman", "Courier New", "Tahoma", "No Such Face 42"}) {
        for (int h : {-8, -11, -15, -16, -32, 13, 20}) {
            SCOPED_TRACE(std::string(face) + " " + std::to_string(h));
            const FontMetrics& m = openFont(face, h)->metrics();
            EXPECT_EQ(m.height, m.ascent + m.descent);
            if (h < 0)
                EXPECT_EQ(m.height - m.internalLeading, -h);
            else
                EXPECT_EQ(m.height, h);
            EXPECT_GT(m.descent, 0);
            EXPECT_GT(m.avgCharWidth, 0);
            EXPECT_GE(m.maxCharWidth, m.avgCharWidth);
            EXPECT_EQ(m.overhang, 0);
            EXPECT_GE(m.underlineTop, m.ascent);
            EXPECT_LE(m.underlineTop + m.underlineThickness, m.height);
            EXPECT_GT(m.strikeOutTop, 0);
            EXPECT_LT(m.strikeOutTop, m.ascent);
        }
    }
}

TEST(Font, ClassicFacesMapToInstalledFamilies)
{
    const struct {
        const char* face;
        const char* family;
    } cases[] = {
        {"ms sans serif", "DejaVu Sans"},      {"MS SHELL DLG 2", "DejaVu Sans"},
        {"Segoe UI", "DejaVu Sans"},           {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"},
        {"Fixedsys", "Liberation Mono"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(openFont(c.face, -11)->familyName(), c.family) << c.face;
        EXPECT_EQ(openFont(c.face, -11, 700, true)->familyName(), c.family) << c.face << " bold italic";
    }
    EXPECT_FALSE(openFont("No Such Face 42", -11)->familyName().empty());
}

TEST(Font, OpenSharesFontsByDescription)
{
    EXPECT_EQ(openFont("MS Sans Serif", -11), openFont("MS Sans Serif", -11));
    EXPECT_NE(openFont("MS Sans Serif", -11), openFont("MS Sans Serif", -11, 700));
    EXPECT_NE(openFont("MS Sans Serif", -11), openFont("MS Sans Serif", -12));
    // Zero height is the default size.
    EXPECT_EQ(openFont("MS Sans Serif", 0)->metrics().height, 13);
}

TEST(Font, BoldIsWiderAndWidthsAdd)
{
    const auto normal = openFont("MS Sans Serif", -11);
    const auto bold = openFont("MS Sans Serif", -11, 700);
    EXPECT_GT(bold->textWidth("Sentavia reference"), normal->textWidth("Sentavia reference"));
    // Pens move by whole pixels per glyph, so line widths split exactly into pieces.
    for (const auto& f : {normal, bold, openFont("Arial", -13, 400, true)}) {
        EXPECT_EQ(f->textWidth("Word Справка"), f->textWidth("Word ") + f->textWidth("Справка"));
        EXPECT_EQ(f->textWidth(""), 0);
    }
}

// Code points measure as their UTF-8 form does (beyond the directly kept alphabets too), and a
// fit stops at the last character that still fits.
TEST(Font, CodePointMeasuresMatchUtf8AndFitStopsAtTheWidth)
{
    const auto font = openFont("MS Sans Serif", -11);
    const std::u32string text = U"Word Справка \u4E2D\u6587 \U0001F600 x";
    const std::string utf8 = "Word Справка \u4E2D\u6587 \U0001F600 x";
    EXPECT_EQ(font->textWidth(std::u32string_view(text)), font->textWidth(utf8));
    int total = font->textWidth(std::u32string_view(text));
    int width = -1;
    EXPECT_EQ(font->fitText(text, total, &width), text.size());
    EXPECT_EQ(width, total);
    for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(6), text.size() - 1}) {
        int w = font->textWidth(std::u32string_view(text).substr(0, n));
        int next = font->textWidth(std::u32string_view(text).substr(0, n + 1));
        if (next == w) continue;  // a character of no width fits anywhere
        EXPECT_EQ(font->fitText(text, next - 1, &width), n) << n;
        EXPECT_EQ(width, w);
    }
    EXPECT_EQ(font->fitText(text, -1, &width), 0u);
    EXPECT_EQ(width, 0);
}

TEST(Font, CyrillicMeasuresAndDrawsInsideItsCell)
{
    const auto font = openFont("MS Sans Serif", -11);
    const std::string text = "Название модуля";
    const int width = font->textWidth(text);
    EXPECT_GT(width, 60);
    Bitmap b = whiteBitmap(200, 30);
    EXPECT_EQ(font->drawText(b, {10, 5}, text, kBlack, b.rect()), width);
    const Rect cell = Rect::fromSize(10, 5, width + 1, 13);
    EXPECT_GT(changedPixels(b, kWhite, cell), 100);
    EXPECT_EQ(changedPixels(b, kWhite, b.rect()), changedPixels(b, kWhite, cell));
}

TEST(Font, DrawingRespectsClipRectAndRegion)
{
    const auto font = openFont("MS Sans Serif", -11);
    const std::string text = "Clipped text Обрезка";
    Bitmap full = whiteBitmap(200, 20);
    font->drawText(full, {2, 2}, text, kBlack, full.rect());

    const Rect clip{30, 0, 80, 20};
    Bitmap clipped = whiteBitmap(200, 20);
    font->drawText(clipped, {2, 2}, text, kBlack, clip);
    EXPECT_EQ(changedPixels(clipped, kWhite, clipped.rect()), changedPixels(clipped, kWhite, clip));
    for (int y = 0; y < 20; ++y)
        for (int x = clip.left; x < clip.right; ++x) ASSERT_EQ(clipped.pixel(x, y), full.pixel(x, y));

    const Rect parts[] = {{0, 0, 40, 8}, {60, 8, 120, 20}};
    const Region region = Region::fromRects(parts);
    Bitmap regioned = whiteBitmap(200, 20);
    font->drawText(regioned, {2, 2}, text, kBlack, regioned.rect(), &region);
    int inside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 200; ++x) {
            if (region.contains({x, y})) {
                ASSERT_EQ(regioned.pixel(x, y), full.pixel(x, y));
                inside += full.pixel(x, y) != kWhite;
            } else {
                ASSERT_EQ(regioned.pixel(x, y), kWhite) << x << "," << y;
            }
        }
    EXPECT_GT(inside, 0);
    // Off the bitmap entirely: nothing happens, nothing breaks.
    font->drawText(regioned, {-500, -500}, text, kBlack, regioned.rect());
    font->drawText(regioned, {190, 15}, text, kBlack, {-10, -10, 500, 500});
}

TEST(Font, BlendsColourOn32BitLikeOn24Bit)
{
    const auto font = openFont("MS Sans Serif", -11);
    const Color teal = rgb(0, 128, 128);
    Bitmap b24 = whiteBitmap(80, 16, 24);
    Bitmap b32 = whiteBitmap(80, 16, 32);
    font->drawText(b24, {1, 1}, "Ag Жж", teal, b24.rect());
    font->drawText(b32, {1, 1}, "Ag Жж", teal, b32.rect());
    bool sawFull = false, sawPartial = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 80; ++x) {
            const Color c = b24.pixel(x, y);
            ASSERT_EQ(b32.pixel(x, y), c);
            sawFull |= c == teal;
            sawPartial |= c != teal && c != kWhite;
            // A blend of white and teal stays on the line between them.
            ASSERT_LE(red(c), green(c));
            ASSERT_EQ(green(c), blue(c));
        }
    EXPECT_TRUE(sawFull);
    EXPECT_TRUE(sawPartial);  // grey-scale anti-aliasing
    // Palette bitmaps are not drawn on, and are not damaged.
    Bitmap b8(40, 16, 8);
    font->drawText(b8, {1, 1}, "Ag", kBlack, b8.rect());
    EXPECT_EQ(b8, Bitmap(40, 16, 8));
}

TEST(Font, UnderlineAndStrikeOutDrawFullLines)
{
    FontDesc d;
    d.underline = true;
    d.strikeOut = true;
    const auto font = Font::open(d);
    const FontMetrics& m = font->metrics();
    Bitmap b = whiteBitmap(100, 20);
    const int width = font->drawText(b, {5, 3}, "under", kBlack, b.rect());
    for (int row : {m.underlineTop, m.strikeOutTop})
        for (int x = 5; x < 5 + width; ++x) ASSERT_EQ(b.pixel(x, 3 + row), kBlack) << row << " " << x;
    EXPECT_NE(m.underlineTop, m.strikeOutTop);
}

TEST(Font, DamagedInputStaysBounded)
{
    const auto font = openFont("MS Sans Serif", -11);
    // Malformed UTF-8 draws replacement glyphs instead of reading past the text.
    const std::string bad = "a\xD0\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xFF\xE2\x82";
    EXPECT_GT(font->textWidth(bad), 0);
    Bitmap b = whiteBitmap(200, 20);
    font->drawText(b, {0, 0}, bad, kBlack, b.rect());

    const auto huge = openFont("MS Sans Serif", -1000000);
    EXPECT_LE(huge->metrics().height, 2 * FreeTypeFont::kMaxPixelHeight);
    EXPECT_GT(openFont("MS Sans Serif", 1000000)->metrics().height, 0);
    EXPECT_GT(openFont("", -11)->metrics().height, 0);
}

}  // namespace
}  // namespace gfx
