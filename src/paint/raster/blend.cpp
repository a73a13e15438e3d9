#include "paint/raster/blend.h"

#include <algorithm>
#include <array>
#include <vector>

#include "paint/raster/fast24.h"
#include "paint/raster/rounding.h"

namespace paint {

void SumBitmaps(gfx::Bitmap& destination, const gfx::Bitmap& source, std::uint8_t weight)
{
    if (destination.size() != source.size()) return;
    TacFastSum24 sum;
    if (!sum.Attach(source, destination)) return;
    sum.Weight = weight;
    sum.DstRect = sum.SrcRect = destination.rect();
    sum.BlendRect();
}

void SumBitmapRect(gfx::Bitmap& destination, const gfx::Bitmap& source, std::uint8_t weight,
                   gfx::Point point, gfx::Rect sourceRect)
{
    TacFastSum24 sum;
    if (!sum.Attach(source, destination)) return;
    gfx::Rect s = sourceRect;
    if (point.x < 0) { s.left -= point.x; point.x = 0; }
    if (point.y < 0) { s.top -= point.y; point.y = 0; }
    s.left = std::max(s.left, 0);
    s.top = std::max(s.top, 0);
    s.right = std::min(s.right, source.width());
    s.bottom = std::min(s.bottom, source.height());
    const int w = std::min(s.width(), destination.width() - point.x);
    const int h = std::min(s.height(), destination.height() - point.y);
    if (w <= 0 || h <= 0) return;
    sum.Weight = weight;
    sum.SrcRect = gfx::Rect::fromSize(s.left, s.top, w, h);
    sum.DstRect = gfx::Rect::fromSize(point.x, point.y, w, h);
    sum.BlendRect();
}

namespace {

// The inclusive rectangle cut to the bitmap, as a half-open one (empty when nothing is left).
gfx::Rect clipInclusive(gfx::Rect r, const gfx::Bitmap& b)
{
    return gfx::Rect{r.left, r.top, r.right + 1, r.bottom + 1}.intersected(b.rect());
}

// (share * old + add) / 100, an exact half (remainder 0 after the +50 in add) going to even.
inline std::uint8_t colorShareRounded(std::uint16_t share, std::uint16_t add, std::uint8_t old)
{
    const std::uint16_t x = std::uint16_t(share * old + add);  // at most 51050
    // x / 100 as a 16-bit high multiply (exact over 0..51050), so that it vectorises.
    const std::uint16_t high = std::uint16_t((std::uint32_t(std::uint16_t(x >> 2)) * 5243u) >> 16);
    const std::uint16_t q = std::uint16_t(high >> 1);
    const std::uint16_t rest = std::uint16_t(x - std::uint16_t(q * 100));
    const std::uint16_t half = std::uint16_t((rest == 0 ? 1 : 0) & q & 1);
    return std::uint8_t(q - half);
}

void colorShareRow(std::uint8_t* p, const std::uint16_t* add, int bytes, std::uint16_t share)
{
    for (int k = 0; k < bytes; ++k) p[k] = colorShareRounded(share, add[k], p[k]);
}

}  // namespace

void BlendColorRect(gfx::Bitmap& bitmap, gfx::Rect inclusive, int percent, gfx::Color color)
{
    if (bitmap.bitsPerPixel() != 24) return;
    const gfx::Rect r = clipInclusive(inclusive, bitmap);
    if (r.empty()) return;
    // Three channels of 256 old values each: the double formula is worked once per value.
    const double e = double(percent) / 100.0;
    const double channel[3] = {double(gfx::blue(color)), double(gfx::green(color)), double(gfx::red(color))};
    std::array<std::array<std::uint8_t, 256>, 3> table{};
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v)
            table[c][v] = std::uint8_t(clampByte(int(roundEven(e * v + (1.0 - e) * channel[c]))));
    // The same values in integers, (p * old + (100 - p) * colour + 50) / 100 with exact halves to
    // even, vectorise; the double formula can differ from it only on halves, so it is used only
    // when it agrees with the table everywhere.
    bool integerAgrees = percent >= 0 && percent <= 100;
    std::uint16_t add[3] = {};
    for (int c = 0; c < 3 && integerAgrees; ++c) {
        add[c] = std::uint16_t((100 - percent) * int(channel[c]) + 50);
        for (int v = 0; v < 256; ++v)
            if (colorShareRounded(std::uint16_t(percent), add[c], std::uint8_t(v)) != table[c][v]) integerAgrees = false;
    }
    const int bytes = 3 * r.width();
    if (integerAgrees) {
        std::vector<std::uint16_t> pattern(static_cast<std::size_t>(bytes));
        for (int k = 0; k < bytes; ++k) pattern[std::size_t(k)] = add[k % 3];
        for (int y = r.top; y < r.bottom; ++y)
            colorShareRow(bitmap.row(y) + 3 * r.left, pattern.data(), bytes, std::uint16_t(percent));
        return;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint8_t* p = bitmap.row(y) + 3 * r.left;
        for (int x = r.left; x < r.right; ++x, p += 3) {
            p[0] = table[0][p[0]];
            p[1] = table[1][p[1]];
            p[2] = table[2][p[2]];
        }
    }
}

gfx::Color MixColors(gfx::Color a, gfx::Color b, double k)
{
    auto mix = [k](int ca, int cb) { return std::uint8_t(clampByte(int(roundEven(k * (ca - cb) + cb)))); };
    return (a & 0xFF000000u) | gfx::rgb(mix(gfx::red(a), gfx::red(b)), mix(gfx::green(a), gfx::green(b)),
                                        mix(gfx::blue(a), gfx::blue(b)));
}

void BlendTransRect(gfx::Bitmap& destination, int x, int y, gfx::Color key, double k,
                    gfx::Rect inclusive, const gfx::Bitmap& source)
{
    if (destination.bitsPerPixel() != 24 || source.bitsPerPixel() != 24) return;
    if (inclusive.left < 0) { x -= inclusive.left; inclusive.left = 0; }
    if (inclusive.top < 0) { y -= inclusive.top; inclusive.top = 0; }
    gfx::Rect s = clipInclusive(inclusive, source);
    if (s.empty()) return;
    // Keep only the part whose destination lies inside the destination bitmap.
    const gfx::Rect d = gfx::Rect::fromSize(x, y, s.width(), s.height()).intersected(destination.rect());
    if (d.empty()) return;
    s = gfx::Rect::fromSize(s.left + d.left - x, s.top + d.top - y, d.width(), d.height());
    const bool keyed = key <= 0xFEFFFFFFu;
    for (int j = 0; j < d.height(); ++j) {
        const std::uint8_t* sp = source.row(s.top + j) + 3 * s.left;
        std::uint8_t* dp = destination.row(d.top + j) + 3 * d.left;
        for (int i = 0; i < d.width(); ++i, sp += 3, dp += 3) {
            if (keyed && gfx::rgb(sp[2], sp[1], sp[0]) == key) continue;
            for (int c = 0; c < 3; ++c)
                dp[c] = std::uint8_t(clampByte(int(roundEven(sp[c] - k * (sp[c] - dp[c])))));
        }
    }
}

void GrayscaleBitmap(gfx::Bitmap& bitmap)
{
    if (bitmap.bitsPerPixel() != 24) return;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::uint8_t* p = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x, p += 3)
            p[0] = p[1] = p[2] = std::uint8_t((p[0] + p[1] + p[2]) / 3);
    }
}

}  // namespace paint
