// Checks on X screen dumps (xwd -root) for the display test, so that the test needs no image tools.
//   xwd_check window FILE x y w h   the window is drawn there: a blue caption on top, many
//                                   colours, hardly any desktop colour inside
//   xwd_check drawn FILE x y w h    the rectangle is not one flat colour
//   xwd_check changed A B x y w h   the rectangle differs between the two dumps
//   xwd_check pixel FILE x y RRGGBB the pixel has that colour
//   xwd_check png FILE OUT.png      the dump as a PNG, to look at
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "base/error.h"
#include "gfx/bitmap.h"
#include "gfx/image_file.h"

namespace {

struct Screen {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;  // 0xRRGGBB
    std::uint32_t at(int x, int y) const { return rgb[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

std::uint32_t Be32(const std::vector<unsigned char>& d, std::size_t at)
{
    return (std::uint32_t(d[at]) << 24) | (std::uint32_t(d[at + 1]) << 16) | (std::uint32_t(d[at + 2]) << 8) | d[at + 3];
}

[[noreturn]] void Fail(const std::string& why)
{
    std::fprintf(stderr, "xwd_check: %s\n", why.c_str());
    std::exit(1);
}

int Shift(std::uint32_t mask)
{
    int s = 0;
    while (mask && !(mask & 1)) mask >>= 1, ++s;
    return s;
}

// Only the dumps xwd makes of a true-colour screen: ZPixmap with 24- or 32-bit pixels (with
// windows of several visuals on the screen xwd packs 3-byte pixels into lines of the 4-byte size).
Screen Load(const char* path)
{
    std::ifstream f(path, std::ios::binary);
    std::vector<unsigned char> d((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (d.size() < 100) Fail(std::string(path) + ": too short for an XWD header");
    std::uint32_t headerSize = Be32(d, 0), format = Be32(d, 8), width = Be32(d, 16), height = Be32(d, 20);
    std::uint32_t byteOrder = Be32(d, 28), bpp = Be32(d, 44), bytesPerLine = Be32(d, 48);
    std::uint32_t rMask = Be32(d, 56), gMask = Be32(d, 60), bMask = Be32(d, 64), colours = Be32(d, 76);
    if (Be32(d, 4) != 7 || format != 2 || (bpp != 32 && bpp != 24))
        Fail(std::string(path) + ": not a true-colour ZPixmap XWD dump");
    if (width == 0 || height == 0 || width > 16384 || height > 16384 || colours > 65536)
        Fail(std::string(path) + ": damaged header");
    std::uint32_t step = bpp / 8;
    if (bytesPerLine < width * step) Fail(std::string(path) + ": damaged header");
    std::size_t start = std::size_t(headerSize) + std::size_t(colours) * 12;
    if (start > d.size() || (d.size() - start) / bytesPerLine < height) Fail(std::string(path) + ": cut short");
    Screen s;
    s.width = int(width);
    s.height = int(height);
    s.rgb.resize(std::size_t(width) * height);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = &d[start + std::size_t(y) * bytesPerLine + x * step];
            std::uint32_t v = 0;
            for (std::uint32_t i = 0; i < step; ++i)
                v |= std::uint32_t(p[i]) << (8 * (byteOrder == 0 ? i : step - 1 - i));
            std::uint32_t r = (v & rMask) >> Shift(rMask), g = (v & gMask) >> Shift(gMask), b = (v & bMask) >> Shift(bMask);
            s.rgb[std::size_t(y) * width + x] = (r << 16) | (g << 8) | b;
        }
    return s;
}

struct Box {
    int x, y, w, h;
};

Box ParseBox(char** a, const Screen& s)
{
    Box b{std::atoi(a[0]), std::atoi(a[1]), std::atoi(a[2]), std::atoi(a[3])};
    if (b.w <= 0 || b.h <= 0 || b.x < 0 || b.y < 0 || b.x + b.w > s.width || b.y + b.h > s.height)
        Fail("rectangle outside the screen");
    return b;
}

int Window(const Screen& s, Box b)
{
    std::uint32_t desktop = s.at(s.width - 1, s.height - 1);
    std::set<std::uint32_t> seen;
    long desktopPixels = 0;
    for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
            seen.insert(s.at(x, y));
            desktopPixels += s.at(x, y) == desktop;
        }
    // The caption: a row a few pixels below the top edge, left half (the title text is white).
    int blue = 0, samples = 0;
    for (int x = b.x + 8; x < b.x + b.w / 2; x += 4, ++samples) {
        std::uint32_t c = s.at(x, b.y + 6);
        blue += (c & 0xFF) > ((c >> 16) & 0xFF) + 40;
    }
    std::printf("colours=%zu desktop=%ld caption-blue=%d/%d\n", seen.size(), desktopPixels, blue, samples);
    if (seen.size() < 6) Fail("the window looks blank");
    if (desktopPixels * 20 > long(b.w) * b.h) Fail("much of the window shows the desktop");
    if (blue * 2 < samples) Fail("no blue caption at the top of the window");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "window" && argc == 7) {
        Screen s = Load(argv[2]);
        return Window(s, ParseBox(argv + 3, s));
    }
    if (mode == "drawn" && argc == 7) {
        Screen s = Load(argv[2]);
        Box b = ParseBox(argv + 3, s);
        std::set<std::uint32_t> seen;
        for (int y = b.y; y < b.y + b.h; ++y)
            for (int x = b.x; x < b.x + b.w; ++x) seen.insert(s.at(x, y));
        if (seen.size() < 3) Fail("the rectangle is flat");
        return 0;
    }
    if (mode == "changed" && argc == 8) {
        Screen a = Load(argv[2]), b = Load(argv[3]);
        if (a.width != b.width || a.height != b.height) Fail("dumps of different screens");
        Box r = ParseBox(argv + 4, a);
        long differ = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) differ += a.at(x, y) != b.at(x, y);
        std::printf("changed=%ld\n", differ);
        if (differ == 0) Fail("nothing changed");
        return 0;
    }
    if (mode == "pixel" && argc == 6) {
        Screen s = Load(argv[2]);
        int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
        if (x < 0 || y < 0 || x >= s.width || y >= s.height) Fail("point outside the screen");
        std::uint32_t want = std::uint32_t(std::strtoul(argv[5], nullptr, 16)), have = s.at(x, y);
        if (have != want) {
            char why[64];
            std::snprintf(why, sizeof why, "pixel %d,%d is %06X, not %06X", x, y, unsigned(have), unsigned(want));
            Fail(why);
        }
        return 0;
    }
    if (mode == "png" && argc == 4) {
        Screen s = Load(argv[2]);
        gfx::Bitmap out(s.width, s.height, 24);
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) {
                std::uint32_t c = s.at(x, y);
                out.setPixel24(x, y, gfx::rgb(std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)));
            }
        try {
            gfx::savePng(out, argv[3]);
        } catch (const base::Error& e) {
            Fail(e.message());
        }
        return 0;
    }
    Fail("usage: xwd_check window|drawn FILE x y w h, changed A B x y w h, pixel FILE x y RRGGBB, or png FILE OUT");
}
