#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>

#include "art.h"
#include "base/error.h"
#include "canvas.h"

namespace skinart {

namespace {

std::uint8_t luma(gfx::Color c)
{
    return std::uint8_t(std::lround(0.299 * gfx::red(c) + 0.587 * gfx::green(c) + 0.114 * gfx::blue(c)));
}

// Nearest palette entry among [from, to).
std::uint8_t nearest(const std::vector<gfx::Color>& palette, std::size_t from, std::size_t to, gfx::Color c)
{
    std::size_t best = from;
    long bestDistance = -1;
    for (std::size_t i = from; i < to; ++i) {
        const long dr = long(gfx::red(palette[i])) - gfx::red(c);
        const long dg = long(gfx::green(palette[i])) - gfx::green(c);
        const long db = long(gfx::blue(palette[i])) - gfx::blue(c);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return std::uint8_t(best);
}

}  // namespace

gfx::Bitmap drawTitleSheen(const Look& L)
{
    // A soft light across the top of the title, fading towards the right and downwards.
    constexpr int kW = 429, kH = 300;
    gfx::Bitmap b(kW, 2 * kH, 8, gfx::RowOrder::BottomUp);
    for (int i = 0; i < 256; ++i) b.palette().push_back(gfx::rgb(std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)));
    const std::uint8_t light = luma(L("HIGHLIGHT"));
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const double u = (x + 0.5) / 360.0, v = (y + 0.5) / 12.0;
            const double d = u * u + v * v;
            const double alpha = d < 1 ? 0.38 * (1 - d) * (1 - d) : 0;
            b.setPixel(x, y, light);
            b.setPixel(x, kH + y, std::uint8_t(std::lround(255 * (1 - alpha))));
        }
    return b;
}

gfx::Bitmap drawHugeButton(const Look& L)
{
    constexpr int kF = 96;
    static const char* kLine[] = {"LINE_DARK", "HOT_LINE", "PRESSED_LINE"};
    static const char* kTop[] = {"BUTTON_TOP", "HOT_TOP", "PRESSED_TOP"};
    // 128 greys for the masks, then for each state a ramp of its fill and its line colour.
    std::vector<gfx::Color> palette;
    for (int i = 0; i < 128; ++i) {
        const auto g = std::uint8_t(std::lround(i * 255.0 / 127));
        palette.push_back(gfx::rgb(g, g, g));
    }
    std::vector<std::size_t> rampStart;
    for (int s = 0; s < 3; ++s) {
        rampStart.push_back(palette.size());
        const Rgba top = rgba(L(kTop[s])), bottom = rgba(L("FACE")), line = rgba(L(kLine[s]));
        for (int i = 0; i < 36; ++i) palette.push_back(over(mix(top, bottom, i / 35.0f), 0));
        for (int i = 0; i < 6; ++i) palette.push_back(over(mix(line, mix(top, bottom, 0.5f), i / 6.0f), 0));
    }
    rampStart.push_back(palette.size());
    gfx::Bitmap b(3 * kF, 2 * kF, 8, gfx::RowOrder::BottomUp);
    b.palette() = palette;
    b.palette().resize(256, 0);
    for (int s = 0; s < 3; ++s) {
        Canvas c(kF, kF);
        c.fill(roundRect(0, 0, kF, kF, 12), rgba(L(kLine[s])));
        c.fill(roundRect(1, 1, kF - 1, kF - 1, 11), rgba(L("HIGHLIGHT"), 0.7f));
        c.fill(roundRect(2, 2, kF - 2, kF - 2, 10), vertical(rgba(L(kTop[s])), rgba(L("FACE")), 2, kF - 2));
        for (int y = 0; y < kF; ++y)
            for (int x = 0; x < kF; ++x) {
                const Rgba p = c.at(x, y);
                b.setPixel(s * kF + x, y, nearest(palette, rampStart[std::size_t(s)], rampStart[std::size_t(s) + 1], over({p.r, p.g, p.b, 1}, 0)));
                b.setPixel(s * kF + x, kF + y, std::uint8_t(std::lround(127 * (1 - std::clamp(p.a, 0.0f, 1.0f)))));
            }
    }
    return b;
}

std::vector<std::uint8_t> drawGlowPng(const Look& L)
{
    constexpr int kS = 32;
    const gfx::Color c = L("HOT_LINE");
    std::vector<std::uint8_t> rgbaRows(std::size_t(kS * kS * 4));
    for (int y = 0; y < kS; ++y)
        for (int x = 0; x < kS; ++x) {
            const double dx = (x + 0.5 - kS / 2.0) / (kS / 2.0), dy = (y + 0.5 - kS / 2.0) / (kS / 2.0);
            const double d = std::min(1.0, std::sqrt(dx * dx + dy * dy));
            std::uint8_t* p = &rgbaRows[std::size_t((y * kS + x) * 4)];
            p[0] = gfx::red(c);
            p[1] = gfx::green(c);
            p[2] = gfx::blue(c);
            p[3] = std::uint8_t(std::lround(170 * (1 - d) * (1 - d)));
        }
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw base::Error("Cannot encode the glow picture");
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, kS, kS, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < kS; ++y) png_write_row(png, &rgbaRows[std::size_t(y * kS * 4)]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace skinart
