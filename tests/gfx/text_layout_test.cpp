#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "gfx/image_file.h"
#include "gfx/region.h"
#include "gfx/text_layout.h"

namespace gfx {
namespace {

class TextLayoutTest : public ::testing::Test {
protected:
    std::shared_ptr<Font> font = Font::open({});  // MS Sans Serif -11: 13-pixel lines
    int w(std::string_view s) const { return font->textWidth(s); }
    std::vector<std::string> texts(const TextLayout& l) const
    {
        std::vector<std::string> out;
        for (const TextLine& line : l.lines) out.push_back(line.text);
        return out;
    }
};

using Lines = std::vector<std::string>;

TEST_F(TextLayoutTest, BreaksLinesAndWords)
{
    const int fitsTwoWords = w("one two");
    const struct {
        const char* text;
        int width;
        unsigned flags;
        Lines lines;
    } cases[] = {
        {"one two three", fitsTwoWords, dt::kWordBreak, {"one two", "three"}},
        {"one two three", fitsTwoWords - 1, dt::kWordBreak, {"one", "two", "three"}},
        {"one   two", w("one"), dt::kWordBreak, {"one", "two"}},  // spaces at the break vanish
        {"one two three", 1000, dt::kWordBreak, {"one two three"}},
        {"abcdefgh", w("abc"), dt::kWordBreak, {"abc", "def", "gh"}},  // a long word breaks by character
        {"ab", 0, dt::kWordBreak, {"a", "b"}},                         // no room still makes progress
        {"a\r\nb\rc\nd", 1000, 0, {"a", "b", "c", "d"}},
        {"a\n\nb\n", 1000, 0, {"a", "", "b"}},  // a break at the end starts no line
        {"one two\nthree four", w("three"), dt::kWordBreak, {"one", "two", "three", "four"}},
        {"one two\nthree", 10, dt::kSingleLine | dt::kWordBreak, {"one two\nthree"}},
        {"", 100, dt::kWordBreak, {}},
        {"Поиск по названию модуля", std::max(w("Поиск по"), w("названию")), dt::kWordBreak,
         {"Поиск по", "названию", "модуля"}},
    };
    for (const auto& c : cases) {
        const TextLayout l = layoutText(*font, c.text, Rect::fromSize(0, 0, c.width, 200), c.flags);
        EXPECT_EQ(texts(l), c.lines) << c.text << " in " << c.width;
        EXPECT_EQ(l.height, int(c.lines.size()) * 13) << c.text;
        for (std::size_t i = 0; i < l.lines.size(); ++i) EXPECT_EQ(l.lines[i].origin.y, int(i) * 13);
    }
}

TEST_F(TextLayoutTest, AlignsHorizontallyAndVertically)
{
    const Rect r{10, 20, 110, 60};
    const int tw = w("Text");
    const struct {
        unsigned flags;
        Point origin;
        int height;  // returned: the offset is included for centred and bottom text
    } cases[] = {
        {dt::kLeft | dt::kSingleLine, {10, 20}, 13},
        {dt::kCenter | dt::kSingleLine, {10 + (100 - tw) / 2, 20}, 13},
        {dt::kRight | dt::kSingleLine, {110 - tw, 20}, 13},
        {dt::kVCenter | dt::kSingleLine, {10, 20 + (40 - 13) / 2}, (40 - 13) / 2 + 13},
        {dt::kBottom | dt::kRight | dt::kSingleLine, {110 - tw, 60 - 13}, 40},
        {dt::kVCenter, {10, 20}, 13},  // vertical placement is for single lines only
    };
    for (const auto& c : cases) {
        const TextLayout l = layoutText(*font, "Text", r, c.flags);
        ASSERT_EQ(l.lines.size(), 1u);
        EXPECT_EQ(l.lines[0].origin, c.origin) << std::hex << c.flags;
        EXPECT_EQ(l.lines[0].width, tw);
        EXPECT_EQ(l.height, c.height) << std::hex << c.flags;
    }
    const TextLayout two = layoutText(*font, "a\nlonger", r, dt::kCenter);
    EXPECT_EQ(two.lines[0].origin.x, 10 + (100 - w("a")) / 2);
    EXPECT_EQ(two.lines[1].origin.x, 10 + (100 - w("longer")) / 2);
}

TEST_F(TextLayoutTest, ProcessesPrefixes)
{
    const struct {
        const char* text;
        unsigned flags;
        const char* shown;
        std::size_t ulBegin, ulEnd;
    } cases[] = {
        {"&File", 0, "File", 0, 1},
        {"Sa&ve as", 0, "Save as", 2, 3},
        {"a&&b", 0, "a&b", 0, 0},
        {"&a&b", 0, "ab", 1, 2},  // the last prefix wins
        {"x&", 0, "x", 0, 0},
        {"&Файл", 0, "Файл", 0, 2},
        {"&File", dt::kNoPrefix, "&File", 0, 0},
        {"&File &&", dt::kHidePrefix, "File &", 0, 0},
    };
    for (const auto& c : cases) {
        const TextLayout l = layoutText(*font, c.text, {0, 0, 200, 20}, c.flags | dt::kSingleLine);
        ASSERT_EQ(l.lines.size(), 1u) << c.text;
        EXPECT_EQ(l.lines[0].text, c.shown);
        EXPECT_EQ(l.lines[0].underlineBegin, c.ulBegin) << c.text;
        EXPECT_EQ(l.lines[0].underlineEnd, c.ulEnd) << c.text;
        EXPECT_EQ(l.lines[0].width, w(c.shown));
    }
    // The underline follows its character onto a wrapped line.
    const TextLayout wrapped = layoutText(*font, "one t&wo", {0, 0, w("one"), 50}, dt::kWordBreak);
    ASSERT_EQ(texts(wrapped), (Lines{"one", "two"}));
    EXPECT_EQ(wrapped.lines[0].underlineEnd, 0u);
    EXPECT_EQ(wrapped.lines[1].underlineBegin, 1u);
    EXPECT_EQ(wrapped.lines[1].underlineEnd, 2u);
}

TEST_F(TextLayoutTest, EndEllipsisCutsCharactersToFit)
{
    const int width = w("Hello w...");
    const TextLayout l = layoutText(*font, "Hello world", {0, 0, width, 20}, dt::kSingleLine | dt::kEndEllipsis);
    EXPECT_EQ(l.lines[0].text, "Hello w...");
    EXPECT_LE(l.lines[0].width, width);

    const TextLayout fits = layoutText(*font, "Hello", {0, 0, width, 20}, dt::kSingleLine | dt::kEndEllipsis);
    EXPECT_EQ(fits.lines[0].text, "Hello");
    const TextLayout cyr = layoutText(*font, "Справочник", {0, 0, w("Спра..."), 20}, dt::kSingleLine | dt::kEndEllipsis);
    EXPECT_EQ(cyr.lines[0].text, "Спра...");
    const TextLayout none = layoutText(*font, "Hello", {0, 0, 2, 20}, dt::kSingleLine | dt::kEndEllipsis);
    EXPECT_EQ(none.lines[0].text, "...");
    // A very long line is cut in one pass, not by measuring every shorter candidate.
    const std::string longLine(200000, 'm');
    const TextLayout longCut = layoutText(*font, longLine, {0, 0, 100, 20}, dt::kSingleLine | dt::kEndEllipsis);
    EXPECT_LE(longCut.lines[0].width, 100);
    EXPECT_GT(longCut.lines[0].width, 100 - w("m"));
    EXPECT_EQ(longCut.lines[0].text.substr(longCut.lines[0].text.size() - 3), "...");
    // An underlined character that is cut away takes its underline with it.
    const TextLayout cut = layoutText(*font, "Hello wor&ld", {0, 0, width, 20}, dt::kSingleLine | dt::kEndEllipsis);
    EXPECT_EQ(cut.lines[0].text, "Hello w...");
    EXPECT_EQ(cut.lines[0].underlineBegin, cut.lines[0].underlineEnd);
}

TEST_F(TextLayoutTest, CalcRectMeasuresWithoutDrawing)
{
    Bitmap b(200, 100);
    b.fill(kWhite);
    const Bitmap before = b;
    Rect r{5, 7, 5 + w("first line"), 8};
    EXPECT_EQ(drawText(b, *font, "first line\nsecond line is wider", r, dt::kCalcRect, kBlack, b.rect()), 26);
    EXPECT_EQ(r, Rect::fromSize(5, 7, w("second line is wider"), 26));

    r = {30, 40, 60, 40};
    EXPECT_EQ(drawText(b, *font, "One line", r, dt::kCalcRect | dt::kSingleLine | dt::kCenter | dt::kVCenter, kBlack,
                       b.rect()),
              13);
    EXPECT_EQ(r, Rect::fromSize(30, 40, w("One line"), 13));

    r = {0, 0, w("three"), 0};
    EXPECT_EQ(drawText(b, *font, "one two three", r, dt::kCalcRect | dt::kWordBreak, kBlack, b.rect()), 39);
    EXPECT_EQ(r, Rect::fromSize(0, 0, w("three"), 39));

    r = {3, 4, 50, 50};
    EXPECT_EQ(drawText(b, *font, "", r, dt::kCalcRect, kBlack, b.rect()), 0);
    EXPECT_EQ(r, Rect::fromSize(3, 4, 0, 0));
    EXPECT_EQ(b, before);
}

TEST_F(TextLayoutTest, ExpandsTabsToAverageCharacterStops)
{
    const int stop = 8 * font->metrics().avgCharWidth;
    const TextLayout l = layoutText(*font, "a\tb\tc", {0, 0, 500, 20}, dt::kSingleLine | dt::kExpandTabs);
    EXPECT_EQ(l.lines[0].width, 2 * stop + w("c"));
    // Unexpanded tabs and stray line breaks in a single line take no room and draw nothing.
    const TextLayout raw = layoutText(*font, "a\tb\r\nc", {0, 0, 500, 20}, dt::kSingleLine);
    EXPECT_EQ(raw.lines[0].width, w("abc"));

    Bitmap b(300, 20);
    b.fill(kWhite);
    Rect r{0, 0, 300, 20};
    drawText(b, *font, "\tX", r, dt::kSingleLine | dt::kExpandTabs, kBlack, b.rect());
    Bitmap x(300, 20);
    x.fill(kWhite);
    font->drawText(x, {stop, 0}, "X", kBlack, x.rect());
    EXPECT_EQ(b, x);
}

TEST_F(TextLayoutTest, DrawsClippedToTheRectUnlessNoClip)
{
    const auto drawn = [&](unsigned flags, const Rect& clip, const Region* region = nullptr) {
        Bitmap b(200, 40);
        b.fill(kWhite);
        Rect r{20, 10, 60, 30};
        drawText(b, *font, "A long line of text &Выход", r, flags | dt::kSingleLine, kBlack, clip, region);
        return b;
    };
    const auto changedOutside = [](const Bitmap& b, const Rect& keep) {
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) n += !keep.contains(Point{x, y}) && b.pixel(x, y) != kWhite;
        return n;
    };
    const Bitmap clipped = drawn(0, {0, 0, 200, 40});
    EXPECT_EQ(changedOutside(clipped, {20, 10, 60, 30}), 0);
    EXPECT_GT(changedOutside(clipped, {}), 0);
    const Bitmap unclipped = drawn(dt::kNoClip, {0, 0, 200, 40});
    EXPECT_GT(changedOutside(unclipped, {20, 10, 60, 30}), 0);
    // The caller's clip holds even with kNoClip.
    EXPECT_EQ(changedOutside(drawn(dt::kNoClip, {0, 0, 100, 40}), {0, 0, 100, 40}), 0);
    const Region region(Rect{0, 0, 40, 40});
    EXPECT_EQ(changedOutside(drawn(dt::kNoClip, {0, 0, 200, 40}, &region), {0, 0, 40, 40}), 0);
}

TEST_F(TextLayoutTest, UnderlinesThePrefixedCharacter)
{
    Bitmap b(100, 20);
    b.fill(kWhite);
    Rect r{0, 0, 100, 20};
    drawText(b, *font, "O&pen", r, dt::kSingleLine, kBlack, b.rect());
    const int row = font->metrics().underlineTop;
    const int x0 = w("O"), x1 = w("Op");
    for (int x = x0; x < x1; ++x) EXPECT_EQ(b.pixel(x, row), kBlack) << x;
    EXPECT_NE(b.pixel(x1 + 1, row), kBlack);
}

// A sample of the fonts the product uses, compared pixel for pixel with a stored image.
// SENTAVIA_UPDATE_GOLDEN=1 rewrites the image after a deliberate rendering change.
TEST(TextGolden, SampleMatchesStoredImage)
{
    struct Sample {
        const char* face;
        int height;
        int weight;
        bool italic;
        bool underline;
        const char* text;
    };
    const Sample samples[] = {
        {"MS Sans Serif", -11, 400, false, false, "Название модуля — Reference book 0123456789"},
        {"MS Sans Serif", -11, 700, false, false, "Найти  Показать все  О программе  &Close"},
        {"MS Sans Serif", -15, 400, false, false, "Ничего не найдено. Попробуйте уточнить запрос."},
        {"MS Sans Serif", -16, 400, false, true, "Веб-страница: www.example.org"},
        {"Arial", -13, 400, true, false, "Arial italic: Съешь же ещё этих мягких булок"},
        {"Times New Roman", -14, 700, true, false, "Times bold italic: Эй, жлоб! Где туз?"},
        {"Courier New", -12, 400, false, false, "Courier: [ДАННЫЕ] 0x1F, tab\tstop"},
    };
    Bitmap image(420, 150);
    image.fill(kWhite);
    int y = 4;
    for (const Sample& s : samples) {
        FontDesc d;
        d.face = s.face;
        d.height = s.height;
        d.weight = s.weight;
        d.italic = s.italic;
        d.underline = s.underline;
        const auto font = Font::open(d);
        Rect r{6, y, 414, y + font->metrics().height};
        drawText(image, *font, s.text, r, dt::kSingleLine | dt::kExpandTabs | dt::kEndEllipsis,
                 s.weight == 700 ? rgb(0, 0, 128) : kBlack, image.rect());
        y += font->metrics().height + 4;
    }
    const std::string path = std::string(SENTAVIA_TEST_DATA) + "/golden/text_sample.png";
    const char* update = std::getenv("SENTAVIA_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        savePng(image, path);
        GTEST_SKIP() << "golden image rewritten: " << path;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing golden image; run with SENTAVIA_UPDATE_GOLDEN=1";
    const Bitmap golden = loadImageFile(path);
    ASSERT_EQ(golden.size(), image.size());
    int differing = 0;
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px) differing += golden.pixel(px, py) != image.pixel(px, py);
    EXPECT_EQ(differing, 0) << "pixels differ from " << path;
}

}  // namespace
}  // namespace gfx
