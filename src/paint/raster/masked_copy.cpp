#include "paint/raster/masked_copy.h"

#include <algorithm>
#include <cstring>

namespace paint {

void maskRow(std::uint8_t* dst, const std::uint8_t* picture, const std::uint8_t* mask, int bytes)
{
    // (D - S) * M + S * 256 is never negative and never above 255 * 256, so the shift needs
    // no clamp and the sum fits 16 bits.
    for (int k = 0; k < bytes; ++k) {
        const unsigned m = mask[k];
        dst[k] = std::uint8_t((dst[k] * m + picture[k] * (256 - m)) >> 8);
    }
}

void CopyMaskedRect(gfx::Rect destinationRect, gfx::Rect sourceRect, gfx::Bitmap& destination,
                    const skin::TsMaskData& entry, bool showParent, const TsParentCache& parent,
                    gfx::Color parentColor, const gfx::Bitmap& source)
{
    if (destination.bitsPerPixel() != 24 || source.bitsPerPixel() != 24) return;
    const int half = std::max(0, entry.SourceRect.height() / 2);
    gfx::Rect d = destinationRect;
    gfx::Rect s = sourceRect;
    // Negative edges move both rectangles inward together.
    const int inX = std::max({0, -d.left, -s.left});
    const int inY = std::max({0, -d.top, -s.top});
    d.left += inX; s.left += inX;
    d.top += inY; s.top += inY;
    const int w = std::min({d.width(), s.width(), destination.width() - d.left, source.width() - s.left});
    // The mask rows must lie inside the source too.
    const int h = std::min({d.height(), s.height(), destination.height() - d.top, source.height() - half - s.top});
    if (w <= 0 || h <= 0) return;

    const gfx::Bitmap* cache =
        showParent && parent.usable() && parent.Bitmap->bitsPerPixel() == 24 ? parent.Bitmap : nullptr;
    std::uint8_t fill[3] = {gfx::blue(parentColor), gfx::green(parentColor), gfx::red(parentColor)};
    for (int j = 0; j < h; ++j) {
        const std::uint8_t* sp = source.row(s.top + j) + 3 * s.left;
        const std::uint8_t* mp = source.row(s.top + half + j) + 3 * s.left;
        std::uint8_t* dp = destination.row(d.top + j) + 3 * d.left;
        if (!showParent) {
            maskRow(dp, sp, mp, 3 * w);
            continue;
        }
        // Runs between key pixels are mixed whole; key pixels show what lies behind.
        int i = 0;
        while (i < w) {
            int k = i;
            while (k < w && !(sp[3 * k] == 0xFF && sp[3 * k + 1] == 0x00 && sp[3 * k + 2] == 0xFF)) ++k;
            maskRow(dp + 3 * i, sp + 3 * i, mp + 3 * i, 3 * (k - i));
            for (i = k; i < w && sp[3 * i] == 0xFF && sp[3 * i + 1] == 0x00 && sp[3 * i + 2] == 0xFF; ++i) {
                if (!cache) {
                    if (!parent.Ready) std::memcpy(dp + 3 * i, fill, 3);
                    continue;
                }
                const int cx = parent.X + d.left + i;
                const int cy = parent.Y + d.top + j;
                if (cx < 0 || cy < 0 || cx >= cache->width() || cy >= cache->height()) continue;
                std::memcpy(dp + 3 * i, cache->row(cy) + 3 * cx, 3);
            }
        }
    }
}

}  // namespace paint
