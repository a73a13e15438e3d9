#include "paint/raster/color_shift.h"

#include <algorithm>
#include <cmath>

#include "paint/raster/rounding.h"
#include "plat/system/sys_colors.h"

namespace paint {

namespace {
std::uint8_t toByte(double v) { return std::uint8_t(clampByte(int(roundEven(std::clamp(v, 0.0, 255.0))))); }
}  // namespace

gfx::Color ChangeHue(int offset, std::uint32_t color)
{
    const gfx::Color c = plat::ColorToRGB(color);
    const int r = gfx::red(c), g = gfx::green(c), b = gfx::blue(c);
    const int v = std::max({r, g, b});
    const int delta = v - std::min({r, g, b});
    if (v == 0 || delta == 0) return c;
    const double s = double(delta) / v;
    const double k = 60.0 / delta;
    double h = r == v ? k * (g - b) : g == v ? 120.0 + k * (b - r) : 240.0 + k * (r - g);
    if (h < 0) h += 360.0;
    // A negative turn is brought onto the wheel too; left negative it would fall to the last
    // sector and give a wrong colour (red turned by -120 would come out fuchsia, not blue).
    int turned = int(roundEven(offset + h)) % 360;
    if (turned < 0) turned += 360;
    const double t = turned / 60.0;
    const int i = int(t);
    const double f = t - i;
    const double vv = v;
    const std::uint8_t V = toByte(vv);
    const std::uint8_t p = toByte(vv * (1 - s));
    const std::uint8_t q = toByte(vv * (1 - s * f));
    const std::uint8_t u = toByte(vv * (1 - s * (1 - f)));
    switch (i) {
    case 0: return gfx::rgb(V, u, p);
    case 1: return gfx::rgb(q, V, p);
    case 2: return gfx::rgb(p, V, u);
    case 3: return gfx::rgb(p, q, V);
    case 4: return gfx::rgb(u, p, V);
    default: return gfx::rgb(V, p, q);
    }
}

gfx::Color ChangeSaturation(std::uint32_t color, int amount)
{
    if (amount == 0) return color;
    const gfx::Color c = plat::ColorToRGB(color);
    const double grey = (gfx::red(c) + gfx::green(c) + gfx::blue(c)) / 3.0;
    auto shift = [&](int ch) { return toByte(ch + amount * (grey - ch) / 100.0); };
    return gfx::rgb(shift(gfx::red(c)), shift(gfx::green(c)), shift(gfx::blue(c)));
}

}  // namespace paint
