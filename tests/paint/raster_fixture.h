#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "gfx/bitmap.h"
#include "gfx/png_file.h"
#include "paint/raster/fast24.h"

namespace paint_test {

inline gfx::Bitmap filled(int w, int h, gfx::Color c)
{
    gfx::Bitmap b = paint::CreateBmp24(w, h);
    b.fill(c);
    return b;
}

// Every pixel different, channels spread over the whole byte range.
inline gfx::Bitmap noise(int w, int h, unsigned seed)
{
    gfx::Bitmap b = paint::CreateBmp24(w, h);
    std::uint32_t s = seed * 2654435761u + 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            b.setPixel24(x, y, s >> 8);
        }
    return b;
}

inline int countDiffering(const gfx::Bitmap& a, const gfx::Bitmap& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel24(x, y) != b.pixel24(x, y);
    return n;
}

inline void savePng(const gfx::Bitmap& b, const std::string& name)
{
    std::filesystem::create_directories(SENTAVIA_TEST_OUT);
    const auto bytes = gfx::writePng(b);
    std::ofstream(std::string(SENTAVIA_TEST_OUT) + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace paint_test
