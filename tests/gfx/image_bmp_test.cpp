#include "gfx/bmp_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "base/error.h"

namespace gfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kW = 5;  // odd, so rows carry padding and nibbles split bytes
constexpr int kH = 3;

// Colours exact in any channel width, for the packed 16- and 32-bit layouts.
constexpr Color kPure[8] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFFFFFF, 0x000000, 0xFF00FF};
Color pureAt(int x, int y) { return kPure[(x + 2 * y) % 8]; }

Color paletteEntry(int i) { return rgb(std::uint8_t(i * 7), std::uint8_t(255 - i), std::uint8_t(i * 3)); }
int indexAt(int x, int y, int colours) { return (x * 3 + y) % colours; }

void put16(Bytes& o, std::size_t at, std::uint32_t v)
{
    o[at] = std::uint8_t(v);
    o[at + 1] = std::uint8_t(v >> 8);
}
void put32(Bytes& o, std::size_t at, std::uint32_t v)
{
    put16(o, at, v & 0xFFFF);
    put16(o, at + 2, v >> 16);
}
std::uint32_t pack(Color c, const std::uint32_t masks[3])
{
    std::uint32_t v = 0;
    const std::uint8_t ch[3] = {red(c), green(c), blue(c)};
    for (int i = 0; i < 3; ++i)
        if (masks[i])
            v |= (ch[i] ? masks[i] : 0);
    return v;
}

// A tiny BMP writer of our own, independent of the reader, for every layout we accept.
struct BmpSpec {
    const char* name;
    int headerSize = 40;
    int bpp = 24;
    std::uint32_t compression = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    int expectBpp = 24;
    int paletteEntries = -1;  // -1: the full palette for the depth
    std::uint32_t colorsUsed = 0;
};

Bytes buildBmp(const BmpSpec& s, bool topDown, const Bytes* rawPixels = nullptr, int w = kW, int h = kH)
{
    const bool core = s.headerSize == 12;
    const int entrySize = core ? 3 : 4;
    const int colours = s.bpp <= 8 ? (s.paletteEntries < 0 ? 1 << s.bpp : s.paletteEntries) : 0;
    const bool masksAfter = s.compression == 3 && s.headerSize == 40;
    const std::size_t paletteAt = 14 + std::size_t(s.headerSize) + (masksAfter ? 12 : 0);
    const std::size_t dataAt = paletteAt + std::size_t(colours * entrySize);
    const std::size_t stride = ((std::size_t(w) * std::size_t(s.bpp) + 31) / 32) * 4;
    const std::size_t dataSize = rawPixels ? rawPixels->size() : stride * std::size_t(h);
    Bytes o(dataAt + dataSize, 0);
    o[0] = 'B';
    o[1] = 'M';
    put32(o, 2, std::uint32_t(o.size()));
    put32(o, 10, std::uint32_t(dataAt));
    put32(o, 14, std::uint32_t(s.headerSize));
    if (core) {
        put16(o, 18, std::uint32_t(w));
        put16(o, 20, std::uint32_t(h));
        put16(o, 22, 1);
        put16(o, 24, std::uint32_t(s.bpp));
    } else {
        put32(o, 18, std::uint32_t(w));
        put32(o, 22, std::uint32_t(topDown ? -h : h));
        put16(o, 26, 1);
        put16(o, 28, std::uint32_t(s.bpp));
        put32(o, 30, s.compression);
        put32(o, 46, s.colorsUsed);
        if (s.compression == 3)
            for (int i = 0; i < 3; ++i)
                put32(o, 54 + 4 * std::size_t(i), s.masks[i]);
    }
    for (int i = 0; i < colours; ++i) {
        Color c = paletteEntry(i);
        std::uint8_t* e = &o[paletteAt + std::size_t(i * entrySize)];
        e[0] = blue(c);
        e[1] = green(c);
        e[2] = red(c);
    }
    if (rawPixels) {
        std::memcpy(&o[dataAt], rawPixels->data(), rawPixels->size());
        return o;
    }
    for (int r = 0; r < h; ++r) {
        const int y = topDown ? r : h - 1 - r;
        std::uint8_t* row = &o[dataAt + stride * std::size_t(r)];
        for (int x = 0; x < w; ++x) {
            if (s.bpp <= 8) {
                const int i = indexAt(x, y, colours);
                const int bitPos = x * s.bpp;
                row[bitPos / 8] |= std::uint8_t(i << (8 - s.bpp - bitPos % 8));
                continue;
            }
            const Color c = pureAt(x, y);
            if (s.bpp == 24 || (s.bpp == 32 && s.compression == 0)) {
                std::uint8_t* p = row + x * (s.bpp / 8);
                p[0] = blue(c);
                p[1] = green(c);
                p[2] = red(c);
                continue;
            }
            static constexpr std::uint32_t k555[3] = {0x7C00, 0x03E0, 0x001F};
            const std::uint32_t v = pack(c, s.compression == 3 ? s.masks : k555);
            for (int b = 0; b < s.bpp / 8; ++b)
                row[x * (s.bpp / 8) + b] = std::uint8_t(v >> (8 * b));
        }
    }
    return o;
}

const BmpSpec kLayouts[] = {
    {"rgb1", 40, 1, 0, {}, 1},
    {"rgb4", 40, 4, 0, {}, 4},
    {"rgb8", 40, 8, 0, {}, 8},
    {"rgb24", 40, 24, 0, {}, 24},
    {"rgb32", 40, 32, 0, {}, 32},
    {"rgb16_555", 40, 16, 0, {}, 24},
    {"fields16_565", 40, 16, 3, {0xF800, 0x07E0, 0x001F}, 24},
    {"fields32_bgr", 40, 32, 3, {0xFF0000, 0xFF00, 0xFF}, 32},
    {"fields32_rgb", 40, 32, 3, {0xFF, 0xFF00, 0xFF0000}, 24},
    {"v4_rgb8", 108, 8, 0, {}, 8},
    {"v4_fields16", 108, 16, 3, {0x7C00, 0x03E0, 0x001F}, 24},
    {"v5_rgb24", 124, 24, 0, {}, 24},
    {"v5_fields32_high", 124, 32, 3, {0xFFC00000, 0x003FF000, 0x00000FFC}, 24},
    {"short_palette_counted", 40, 8, 0, {}, 8, 4, 4},
    {"short_palette_by_offset", 40, 4, 0, {}, 4, 3, 0},
};

TEST(ReadBmp, EveryLayoutInBothRowOrders)
{
    for (const BmpSpec& s : kLayouts) {
        Bitmap orders[2];
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(std::string(s.name) + (topDown ? " top-down" : " bottom-up"));
            Bitmap b = readBmp(buildBmp(s, topDown));
            ASSERT_EQ(b.width(), kW);
            ASSERT_EQ(b.height(), kH);
            EXPECT_EQ(b.bitsPerPixel(), s.expectBpp);
            EXPECT_EQ(b.rowOrder(), topDown ? RowOrder::TopDown : RowOrder::BottomUp);
            const int colours = s.bpp > 8 ? 0 : s.paletteEntries < 0 ? 1 << s.bpp : s.paletteEntries;
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x)
                    ASSERT_EQ(b.pixel(x, y), s.bpp <= 8 ? paletteEntry(indexAt(x, y, colours)) : pureAt(x, y))
                        << "at " << x << "," << y;
            if (s.bpp <= 8) {
                // The palette always holds the full count for the depth; missing entries are black.
                ASSERT_EQ(b.palette().size(), std::size_t(1) << s.bpp);
                EXPECT_EQ(b.palette().back(), colours == (1 << s.bpp) ? paletteEntry(colours - 1) : kBlack);
            }
            orders[topDown] = std::move(b);
        }
        EXPECT_EQ(orders[0], orders[1]) << s.name;
    }
}

TEST(ReadBmp, CoreHeaderWithThreeBytePalette)
{
    for (int bpp : {1, 8, 24}) {
        BmpSpec s{"core", 12, bpp};
        Bitmap b = readBmp(buildBmp(s, false));
        EXPECT_EQ(b.bitsPerPixel(), bpp);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                ASSERT_EQ(b.pixel(x, y), bpp <= 8 ? paletteEntry(indexAt(x, y, 1 << bpp)) : pureAt(x, y));
    }
}

TEST(ReadBmp, SixteenBitChannelsScaleToFullRange)
{
    BmpSpec s{"555", 40, 16};
    Bytes f = buildBmp(s, true, nullptr, 1, 1);
    put16(f, f.size() - 4, 0x4210);  // 16 of 31 in each channel
    Bitmap b = readBmp(f);
    EXPECT_EQ(b.pixel(0, 0), rgb(131, 131, 131));
}

// Index grid of a 4 x 3 palette bitmap, top row first.
using Grid = std::vector<std::vector<int>>;

Grid indexes(const Bitmap& b)
{
    Grid g(std::size_t(b.height()), std::vector<int>(std::size_t(b.width())));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const Color c = b.pixel(x, y);
            int i = 0;
            while (paletteEntry(i) != c)
                ++i;
            g[std::size_t(y)][std::size_t(x)] = i;
        }
    return g;
}

TEST(ReadBmp, RunLengthEncodings)
{
    struct Case {
        const char* name;
        int bpp;
        std::uint32_t compression;
        Bytes data;
        Grid expect;  // top row first; file rows start at the bottom
    } cases[] = {
        {"rle8 runs, literal, delta",
         8, 1,
         {3, 5, 1, 7, 0, 0,           // bottom row: 5 5 5 7
          0, 3, 1, 2, 3, 0, 0, 0,     // middle row: literal 1 2 3 (padded), end of line
          0, 2, 2, 0, 2, 9, 0, 1},    // top row: skip 2, then 9 9, end of bitmap
         {{0, 0, 9, 9}, {1, 2, 3, 0}, {5, 5, 5, 7}}},
        {"rle8 delta up a row",
         8, 1,
         {1, 4, 0, 2, 1, 1, 1, 6, 0, 1},
         {{0, 0, 0, 0}, {0, 0, 6, 0}, {4, 0, 0, 0}}},
        {"rle4 alternating run and literal",
         4, 2,
         {4, 0x12, 0, 0,              // bottom: 1 2 1 2
          0, 3, 0x34, 0x50, 0, 0,     // middle: literal 3 4 5, end of line
          2, 0xFF, 0, 1},             // top: 15 15
         {{15, 15, 0, 0}, {3, 4, 5, 0}, {1, 2, 1, 2}}},
    };
    for (const Case& c : cases) {
        BmpSpec s{c.name, 40, c.bpp, c.compression};
        Bitmap b = readBmp(buildBmp(s, false, &c.data, 4, 3));
        EXPECT_EQ(b.bitsPerPixel(), c.bpp) << c.name;
        EXPECT_EQ(indexes(b), c.expect) << c.name;
    }
}

void expectError(const Bytes& file, const char* fragment, const char* name)
{
    try {
        readBmp(file);
        ADD_FAILURE() << name << ": no error";
    } catch (const base::Error& e) {
        EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << name << ": " << e.what();
    }
}

TEST(ReadBmp, DamagedOrLyingFilesFailCleanly)
{
    const Bytes rgb24 = buildBmp(kLayouts[3], false);
    const Bytes pal8 = buildBmp(kLayouts[2], false);
    auto patched = [](Bytes f, std::size_t at, std::uint32_t v, int size = 4) {
        if (size == 2)
            put16(f, at, v);
        else
            put32(f, at, v);
        return f;
    };
    auto cut = [](Bytes f, std::size_t n) {
        f.resize(n);
        return f;
    };
    auto rle = [](Bytes data) { return buildBmp(BmpSpec{"rle", 40, 8, 1}, false, &data, 4, 3); };
    struct Case {
        const char* name;
        Bytes file;
        const char* fragment;
    } cases[] = {
        {"empty", {}, "signature"},
        {"not a bmp", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, "signature"},
        {"header cut", cut(rgb24, 30), "header"},
        {"odd header size", patched(rgb24, 14, 20), "header size"},
        {"pixels cut", cut(rgb24, rgb24.size() - 1), "truncated"},
        {"palette cut", cut(pal8, 14 + 40 + 100), "offset"},
        {"offset past end", patched(rgb24, 10, 0x7FFFFFF0), "offset"},
        {"offset inside header", patched(rgb24, 10, 20), "offset"},
        {"zero width", patched(rgb24, 18, 0), "size"},
        {"negative width", patched(rgb24, 18, std::uint32_t(-5)), "size"},
        {"zero height", patched(rgb24, 22, 0), "size"},
        {"most negative height", patched(rgb24, 22, std::uint32_t(INT_MIN)), "range"},
        {"absurd width", patched(rgb24, 18, 100000), "range"},
        {"lying size, tiny file", patched(patched(rgb24, 18, 30000), 22, 8000), "large"},
        {"lying size, fits limits", patched(patched(rgb24, 18, 3000), 22, 3000), "truncated"},
        {"depth 7", patched(rgb24, 28, 7, 2), "depth"},
        {"jpeg inside", patched(rgb24, 30, 4), "compression"},
        {"fields on 8 bits", patched(pal8, 30, 3), "bit-field"},
        {"rle8 on 24 bits", patched(rgb24, 30, 1), "RLE8"},
        {"rle run past row", rle({5, 1, 0, 1}), "past the end of a row"},
        {"rle literal past row", rle({0, 5, 1, 2, 3, 4, 5, 0, 0, 1}), "past the end of a row"},
        {"rle delta outside", rle({0, 2, 9, 0, 0, 1}), "outside"},
        {"rle past last row", rle({0, 0, 0, 0, 0, 0, 1, 1, 0, 1}), "last row"},
        {"rle no end mark", rle({2, 1, 0, 0}), "end-of-bitmap"},
        {"rle literal cut", rle({0, 9, 1, 2}), "end-of-bitmap"},
        {"rle height beyond its data", patched(rle({0, 1}), 22, 30000), "too short"},
        {"rle top-down", patched(rle({0, 1}), 22, std::uint32_t(-3)), "top-down"},
    };
    for (const Case& c : cases)
        expectError(c.file, c.fragment, c.name);
}

TEST(WriteBmp, RoundTripsEveryDepth)
{
    for (int bpp : {1, 4, 8, 24, 32}) {
        for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
            Bitmap src(7, 5, bpp, order);
            for (std::size_t i = 0; i < src.palette().size(); ++i)
                src.palette()[i] = paletteEntry(int(i));
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 7; ++x)
                    src.setPixel(x, y, bpp <= 8 ? Color(indexAt(x, y, 1 << bpp)) : Color(x * 0x102030 + y * 17));
            Bitmap back = readBmp(writeBmp(src));
            EXPECT_EQ(back.bitsPerPixel(), bpp <= 8 ? 8 : 24) << bpp;
            EXPECT_EQ(back.rowOrder(), RowOrder::BottomUp);
            EXPECT_EQ(back.to24(), src.to24()) << bpp;
        }
    }
}

TEST(WriteBmp, EmptyBitmapIsAnError)
{
    EXPECT_THROW(writeBmp(Bitmap()), base::Error);
    EXPECT_THROW(writeBmp(Bitmap(0, 3, 8)), base::Error);
}

}  // namespace
}  // namespace gfx
