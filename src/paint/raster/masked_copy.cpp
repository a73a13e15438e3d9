#include "paint/raster/masked_copy.h"

#include <algorithm>
#include <cstring>

#include "paint/raster/key_scan.h"

namespace paint {

void maskRow(std::uint8_t* dst, const std::uint8_t* picture, const std::uint8_t* mask, int bytes)
{
    // (D - S) * M + S * 256 is never negative and never above 255 * 256, so the shift needs
    // no clamp and the sum fits 16 bits.
    for (int k = 0; k < bytes; ++k) {
        const std::uint16_t m = mask[k];
        dst[k] = std::uint8_t(std::uint16_t(std::uint16_t(dst[k] * m) + std::uint16_t(picture[k] * std::uint16_t(256 - m))) >> 8);
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
    const KeyScan scan(gfx::kKeyColor);
    std::uint8_t fill[3] = {gfx::blue(parentColor), gfx::green(parentColor), gfx::red(parentColor)};
    for (int j = 0; j < h; ++j) {
        const std::uint8_t* sp = source.row(s.top + j) + 3 * s.left;
        const std::uint8_t* mp = source.row(s.top + half + j) + 3 * s.left;
        std::uint8_t* dp = destination.row(d.top + j) + 3 * d.left;
        if (!showParent) {
            maskRow(dp, sp, mp, 3 * w);
            continue;
        }
        // Spans without a key pixel are mixed whole; key pixels show what lies behind.
        auto onePixel = [&](int k) {
            std::uint8_t* dk = dp + 3 * k;
            if (!(sp[3 * k] == 0xFF && sp[3 * k + 1] == 0x00 && sp[3 * k + 2] == 0xFF)) {
                maskRow(dk, sp + 3 * k, mp + 3 * k, 3);
            } else if (!cache) {
                if (!parent.Ready) std::memcpy(dk, fill, 3);
            } else {
                const int cx = parent.X + d.left + k;
                const int cy = parent.Y + d.top + j;
                if (cx >= 0 && cy >= 0 && cx < cache->width() && cy < cache->height())
                    std::memcpy(dk, cache->row(cy) + 3 * cx, 3);
            }
        };
        int run = 0, i = 0;
        for (; i + KeyScan::kPixels <= w; i += KeyScan::kPixels) {
            if (scan.sixteen(sp + 3 * i) == 0) continue;
            maskRow(dp + 3 * run, sp + 3 * run, mp + 3 * run, 3 * (i - run));
            for (int k = i; k < i + KeyScan::kPixels; ++k) onePixel(k);
            run = i + KeyScan::kPixels;
        }
        maskRow(dp + 3 * run, sp + 3 * run, mp + 3 * run, 3 * (i - run));
        for (; i < w; ++i) onePixel(i);
    }
}

}  // namespace paint
