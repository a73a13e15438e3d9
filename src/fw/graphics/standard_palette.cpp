#include "fw/graphics/standard_palette.h"

#include "fw/graphics/color.h"

namespace fw {

std::vector<gfx::Color> StandardPalette(int bitsPerPixel)
{
    if (bitsPerPixel == 1) return {gfx::kBlack, gfx::kWhite};
    std::vector<gfx::Color> p = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
                                 clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};
    if (bitsPerPixel == 4) return p;
    for (int b = 0; b < 6; ++b)
        for (int g = 0; g < 6; ++g)
            for (int r = 0; r < 6; ++r) p.push_back(gfx::rgb(std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51)));
    for (int i = 1; p.size() < 256; ++i) {
        auto v = std::uint8_t(i * 10);
        p.push_back(gfx::rgb(v, v, v));
    }
    return p;
}

unsigned NearestPaletteIndex(const std::vector<gfx::Color>& palette, gfx::Color color)
{
    unsigned best = 0;
    int bestDistance = 1 << 30;
    for (unsigned i = 0; i < palette.size(); ++i) {
        int dr = int(gfx::red(palette[i])) - gfx::red(color);
        int dg = int(gfx::green(palette[i])) - gfx::green(color);
        int db = int(gfx::blue(palette[i])) - gfx::blue(color);
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0) break;
        }
    }
    return best;
}

}  // namespace fw
