#include "gfx/png_file.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <string>
#include <vector>

#include <png.h>
#include <zlib.h>

#include "base/error.h"

namespace gfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Sink {
    Bytes bytes;
};

void sinkWrite(png_structp png, png_bytep data, png_size_t n)
{
    auto* s = static_cast<Sink*>(png_get_io_ptr(png));
    s->bytes.insert(s->bytes.end(), data, data + n);
}
void sinkFlush(png_structp) {}

// Encodes raw rows in any PNG layout, for feeding the reader what our writer never makes.
bool encodeRaw(Sink* sink, png_uint_32 w, png_uint_32 h, int colorType, int depth, bool interlaced,
               png_bytepp rows, png_colorp palette, int paletteSize, png_bytep trans, int transCount)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, sink, sinkWrite, sinkFlush);
    png_set_IHDR(png, info, w, h, depth, colorType, interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette)
        png_set_PLTE(png, info, palette, paletteSize);
    if (trans)
        png_set_tRNS(png, info, trans, transCount, nullptr);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

// One layout: bytes of a pixel, and the colour a pixel of grey level v decodes to.
struct Layout {
    const char* name;
    int colorType;
    int depth;
    bool interlaced;
};

// Every layout carries the same picture: grey levels 0, 85, 170, 255 (exact at 2 bits too).
std::uint8_t levelAt(int x, int y) { return std::uint8_t(85 * ((x + y) % 4)); }

Bytes encodeLayout(const Layout& l, int w, int h)
{
    const int channels = l.colorType == PNG_COLOR_TYPE_GRAY ? 1
                         : l.colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                         : l.colorType == PNG_COLOR_TYPE_RGB ? 3
                         : l.colorType == PNG_COLOR_TYPE_RGB_ALPHA ? 4 : 1;
    const std::size_t rowBytes = (std::size_t(w) * std::size_t(channels * l.depth) + 7) / 8;
    std::vector<Bytes> data(std::size_t(h), Bytes(rowBytes, 0));
    std::vector<png_bytep> rows;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t v = levelAt(x, y);
            const unsigned sample = l.colorType == PNG_COLOR_TYPE_PALETTE ? v / 85u
                                    : l.depth == 16 ? v * 257u : v >> (8 - l.depth);
            for (int c = 0; c < channels; ++c) {
                const bool alpha = (channels == 2 && c == 1) || (channels == 4 && c == 3);
                const unsigned s = alpha ? (l.depth == 16 ? 0x1234u : 0x40u) : sample;
                const std::size_t bit = std::size_t((x * channels + c) * l.depth);
                std::uint8_t* p = &data[std::size_t(y)][bit / 8];
                if (l.depth == 16) {
                    p[0] = std::uint8_t(s >> 8);
                    p[1] = std::uint8_t(s);
                } else {
                    p[0] |= std::uint8_t(s << (8 - l.depth - int(bit % 8)));
                }
            }
        }
        rows.push_back(data[std::size_t(y)].data());
    }
    png_color palette[4] = {{0, 0, 0}, {85, 85, 85}, {170, 170, 170}, {255, 255, 255}};
    png_byte trans[4] = {255, 0, 128, 255};
    const bool pal = l.colorType == PNG_COLOR_TYPE_PALETTE;
    Sink sink;
    EXPECT_TRUE(encodeRaw(&sink, png_uint_32(w), png_uint_32(h), l.colorType, l.depth, l.interlaced, rows.data(),
                          pal ? palette : nullptr, 4, pal ? trans : nullptr, 4));
    return sink.bytes;
}

TEST(ReadPng, EveryColourTypeBecomes24Bits)
{
    const Layout layouts[] = {
        {"gray2", PNG_COLOR_TYPE_GRAY, 2, false},
        {"gray8", PNG_COLOR_TYPE_GRAY, 8, false},
        {"gray16", PNG_COLOR_TYPE_GRAY, 16, false},
        {"gray_alpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false},
        {"rgb8", PNG_COLOR_TYPE_RGB, 8, false},
        {"rgb16_interlaced", PNG_COLOR_TYPE_RGB, 16, true},
        {"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8, false},
        {"rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16, false},
        {"palette2_trns", PNG_COLOR_TYPE_PALETTE, 2, false},
        {"palette8_interlaced", PNG_COLOR_TYPE_PALETTE, 8, true},
    };
    for (const Layout& l : layouts) {
        Bitmap b = readPng(encodeLayout(l, 9, 7));
        ASSERT_EQ(b.width(), 9) << l.name;
        ASSERT_EQ(b.height(), 7) << l.name;
        ASSERT_EQ(b.bitsPerPixel(), 24) << l.name;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const std::uint8_t v = levelAt(x, y);
                ASSERT_EQ(b.pixel24(x, y), rgb(v, v, v)) << l.name << " at " << x << "," << y;
            }
    }
}

TEST(WritePng, RoundTripsColoursAndPaletteBitmaps)
{
    Bitmap src(13, 6, 24, RowOrder::BottomUp);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 13; ++x)
            src.setPixel24(x, y, rgb(std::uint8_t(x * 19), std::uint8_t(y * 40), std::uint8_t(x * y)));
    Bitmap back = readPng(writePng(src));
    EXPECT_EQ(back.rowOrder(), RowOrder::TopDown);
    EXPECT_EQ(back, src);

    Bitmap pal(5, 2, 4);
    pal.palette()[3] = 0x336699;
    pal.setPixel(4, 1, 3);
    EXPECT_EQ(readPng(writePng(pal)), pal.to24());
    EXPECT_THROW(writePng(Bitmap()), base::Error);
}

void put32be(Bytes& f, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        f[at + std::size_t(i)] = std::uint8_t(v >> (24 - 8 * i));
}

// IHDR sits at a fixed place: length 8, type 12, width 16, height 20, CRC 29.
Bytes withIhdrSize(Bytes f, std::uint32_t w, std::uint32_t h)
{
    put32be(f, 16, w);
    put32be(f, 20, h);
    put32be(f, 29, std::uint32_t(png_uint_32(crc32(0, f.data() + 12, 17))));
    return f;
}

TEST(ReadPng, DamagedFilesFailCleanly)
{
    Bitmap src(40, 30);
    src.fill(0x205080);
    const Bytes good = writePng(src);
    auto cut = [&](std::size_t n) { return Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)); };
    Bytes badCrc = good;
    badCrc[18] ^= 1;
    Bytes badData = good;
    badData[good.size() - 20] ^= 0xFF;
    struct Case {
        const char* name;
        Bytes file;
        const char* fragment;
    } cases[] = {
        {"empty", {}, "signature"},
        {"signature only", cut(8), "truncated"},
        {"header cut", cut(20), "truncated"},
        {"image data cut", cut(good.size() - 20), "truncated"},
        {"ihdr crc", badCrc, "CRC"},
        {"idat damaged", badData, "Damaged PNG"},
        {"zero width", withIhdrSize(good, 0, 30), "Damaged PNG"},
        {"absurd width", withIhdrSize(good, 0x7FFFFFFF, 30), "Damaged PNG"},
        {"lying size", withIhdrSize(good, 8000, 8000), "does not fit"},
        {"big but plausible", withIhdrSize(good, 400, 30), "Damaged PNG"},
    };
    for (const Case& c : cases) {
        try {
            readPng(c.file);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const base::Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

}  // namespace
}  // namespace gfx
