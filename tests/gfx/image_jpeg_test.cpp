#include "gfx/jpeg_file.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "base/error.h"

namespace gfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct EncodeErrors {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void encodeFailed(j_common_ptr c)
{
    std::longjmp(reinterpret_cast<EncodeErrors*>(c->err)->jump, 1);
}

// Encodes interleaved samples (1, 3 or 4 per pixel) at quality 100; the output is malloc'ed.
bool encodeRaw(const std::uint8_t* samples, int w, int h, int components, J_COLOR_SPACE space, bool progressive,
               unsigned char** out, unsigned long* outSize)
{
    jpeg_compress_struct c;
    EncodeErrors err;
    c.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = encodeFailed;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&c);
        return false;
    }
    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, out, outSize);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = components;
    c.in_color_space = space;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 100, TRUE);
    if (progressive)
        jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples + std::size_t(c.next_scanline) * std::size_t(w * components));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return true;
}

Bytes encode(const std::vector<std::uint8_t>& samples, int w, int h, int components, J_COLOR_SPACE space,
             bool progressive = false)
{
    unsigned char* out = nullptr;
    unsigned long size = 0;
    EXPECT_TRUE(encodeRaw(samples.data(), w, h, components, space, progressive, &out, &size));
    Bytes b(out, out + size);
    std::free(out);
    return b;
}

// Flat 16 x 16 blocks of colour survive quality 100 almost exactly away from their edges,
// where chroma subsampling blurs them.
constexpr int kW = 48, kH = 32;
Color blockColour(int x, int y)
{
    static constexpr Color colours[6] = {0x2040E0, 0xE08020, 0x30C030, 0xFFFFFF, 0x000000, 0x808080};
    return colours[(x / 16 + 3 * (y / 16)) % 6];
}

void expectNear(const Bitmap& b, Color (*expected)(int, int), const char* name)
{
    ASSERT_EQ(b.width(), kW) << name;
    ASSERT_EQ(b.height(), kH) << name;
    ASSERT_EQ(b.bitsPerPixel(), 24) << name;
    for (int y = 4; y < kH; y += 8)
        for (int x = 4; x < kW; x += 8) {
            const Color got = b.pixel24(x, y), want = expected(x, y);
            for (int shift : {0, 8, 16})
                ASSERT_NEAR(int((got >> shift) & 0xFF), int((want >> shift) & 0xFF), 6)
                    << name << " at " << x << "," << y;
        }
}

std::vector<std::uint8_t> rgbSamples()
{
    std::vector<std::uint8_t> s;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            Color c = blockColour(x, y);
            s.insert(s.end(), {red(c), green(c), blue(c)});
        }
    return s;
}

TEST(ReadJpeg, ColourGreyAndCmyk)
{
    const auto rgb = rgbSamples();
    expectNear(readJpeg(encode(rgb, kW, kH, 3, JCS_RGB)), blockColour, "baseline");
    expectNear(readJpeg(encode(rgb, kW, kH, 3, JCS_RGB, true)), blockColour, "progressive");

    std::vector<std::uint8_t> grey;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            grey.push_back(std::uint8_t(blockColour(x, y) & 0xFF));
    expectNear(readJpeg(encode(grey, kW, kH, 1, JCS_GRAYSCALE)),
               [](int x, int y) { Color v = blockColour(x, y) & 0xFF; return v * 0x010101u; }, "grey");

    // Adobe-style CMYK stores 255 - ink; libjpeg marks such files with the Adobe marker.
    std::vector<std::uint8_t> cmyk;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            Color c = blockColour(x, y);
            cmyk.insert(cmyk.end(), {red(c), green(c), blue(c), 255});
        }
    expectNear(readJpeg(encode(cmyk, kW, kH, 4, JCS_CMYK)), blockColour, "cmyk");
}

// Start of frame: height and width sit 5 and 7 bytes after the FFC0 or FFC2 marker.
Bytes withFrameSize(Bytes f, unsigned w, unsigned h)
{
    for (std::size_t i = 2; i + 9 < f.size(); ++i)
        if (f[i] == 0xFF && (f[i + 1] == 0xC0 || f[i + 1] == 0xC2)) {
            f[i + 5] = std::uint8_t(h >> 8);
            f[i + 6] = std::uint8_t(h);
            f[i + 7] = std::uint8_t(w >> 8);
            f[i + 8] = std::uint8_t(w);
            return f;
        }
    ADD_FAILURE() << "no frame header";
    return f;
}

TEST(ReadJpeg, DamagedFilesFailCleanly)
{
    const Bytes good = encode(rgbSamples(), kW, kH, 3, JCS_RGB);
    const Bytes progressive = encode(rgbSamples(), kW, kH, 3, JCS_RGB, true);
    auto cut = [](const Bytes& f, std::size_t n) { return Bytes(f.begin(), f.begin() + std::ptrdiff_t(n)); };
    Bytes scrambled = good;
    for (std::size_t i = scrambled.size() / 2; i < scrambled.size() - 2; i += 7)
        scrambled[i] = 0xFF;
    struct Case {
        const char* name;
        Bytes file;
        const char* fragment;
    } cases[] = {
        {"empty", {}, "no data"},
        {"soi only", {0xFF, 0xD8}, "Damaged JPEG"},
        {"not a jpeg", {0x00, 0x01, 0x02, 0x03, 0x04}, "Damaged JPEG"},
        {"header cut", cut(good, 100), "Damaged JPEG"},
        {"scan cut", cut(good, good.size() - 40), "Damaged JPEG"},
        {"progressive cut", cut(progressive, progressive.size() / 2), "Damaged JPEG"},
        {"scrambled scan", scrambled, "Damaged JPEG"},
        {"too wide", withFrameSize(good, 60000, 16), "out of range"},
        {"too many bytes", withFrameSize(good, 16000, 16000), "out of range"},
        {"big frame, little data", withFrameSize(good, 4000, 4000), "Damaged JPEG"},
        {"zero height", withFrameSize(good, 24, 0), "Damaged JPEG"},
    };
    for (const Case& c : cases) {
        try {
            readJpeg(c.file);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const base::Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

}  // namespace
}  // namespace gfx
