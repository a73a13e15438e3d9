#include "paint/raster/key_copy.h"

#include <algorithm>
#include <cstring>

#include "paint/raster/key_scan.h"

namespace paint {

namespace {

// dst := src, but where src holds the key the pixel comes from `behind` (dst itself to leave
// it). Blocks without a key are copied whole.
void keyedRow(std::uint8_t* dst, const std::uint8_t* src, const std::uint8_t* behind, int pixels,
              const KeyScan& scan, std::uint8_t kb, std::uint8_t kg, std::uint8_t kr)
{
    auto onePixel = [&](int k) {
        const std::uint8_t* from = src[3 * k] == kb && src[3 * k + 1] == kg && src[3 * k + 2] == kr ? behind : src;
        if (from != dst) std::memmove(dst + 3 * k, from + 3 * k, 3);
    };
    int i = 0;
    for (; i + KeyScan::kPixels <= pixels; i += KeyScan::kPixels) {
        if (scan.sixteen(src + 3 * i) == 0) {
            // Through a local block so that source and destination may overlap.
            std::uint8_t block[3 * KeyScan::kPixels];
            std::memcpy(block, src + 3 * i, sizeof block);
            std::memcpy(dst + 3 * i, block, sizeof block);
            continue;
        }
        for (int k = i; k < i + KeyScan::kPixels; ++k) onePixel(k);
    }
    for (; i < pixels; ++i) onePixel(i);
}

void copyKeyed(gfx::Bitmap& destination, const gfx::Bitmap& source, int x, int y, gfx::Color key,
               gfx::Rect inclusive, const TsParentCache* parent)
{
    if (destination.bitsPerPixel() != 24 || source.bitsPerPixel() != 24) return;
    gfx::Rect s{std::max(inclusive.left, 0), std::max(inclusive.top, 0),
                std::min(inclusive.right + 1, source.width()), std::min(inclusive.bottom + 1, source.height())};
    if (s.empty()) return;
    const gfx::Rect d = gfx::Rect::fromSize(x, y, s.width(), s.height()).intersected(destination.rect());
    if (d.empty()) return;
    s = gfx::Rect::fromSize(s.left + d.left - x, s.top + d.top - y, d.width(), d.height());

    const int n = d.width();
    if (key > 0xFEFFFFFFu) {
        for (int j = 0; j < d.height(); ++j)
            std::memmove(destination.row(d.top + j) + 3 * d.left, source.row(s.top + j) + 3 * s.left,
                         std::size_t(3) * n);
        return;
    }
    const std::uint8_t kb = gfx::blue(key), kg = gfx::green(key), kr = gfx::red(key);
    const KeyScan scan(key);
    const gfx::Bitmap* cache =
        parent && parent->usable() && parent->Bitmap->bitsPerPixel() == 24 ? parent->Bitmap : nullptr;
    // The columns of the row whose parent pixel lies inside the cache: [from, to).
    int from = 0, to = 0;
    if (cache) {
        const int cx0 = parent->X + d.left;
        from = std::clamp(-cx0, 0, n);
        to = std::clamp(cache->width() - cx0, from, n);
    }
    for (int j = 0; j < d.height(); ++j) {
        const std::uint8_t* sp = source.row(s.top + j) + 3 * s.left;
        std::uint8_t* dp = destination.row(d.top + j) + 3 * d.left;
        const int cy = cache ? parent->Y + d.top + j : -1;
        if (cy < 0 || cy >= (cache ? cache->height() : 0) || from == to) {
            keyedRow(dp, sp, dp, n, scan, kb, kg, kr);
            continue;
        }
        const std::uint8_t* pp = cache->row(cy) + 3 * (parent->X + d.left);
        keyedRow(dp, sp, dp, from, scan, kb, kg, kr);
        keyedRow(dp + 3 * from, sp + 3 * from, pp + 3 * from, to - from, scan, kb, kg, kr);
        keyedRow(dp + 3 * to, sp + 3 * to, dp + 3 * to, n - to, scan, kb, kg, kr);
    }
}

}  // namespace

void CopyTransRect(gfx::Bitmap& destination, const gfx::Bitmap& source, int x, int y, gfx::Color key,
                   gfx::Rect inclusive)
{
    copyKeyed(destination, source, x, y, key, inclusive, nullptr);
}

void CopyTransRectParent(gfx::Bitmap& destination, const gfx::Bitmap& source, int x, int y,
                         bool showParent, const TsParentCache& parent, gfx::Color key, gfx::Rect inclusive)
{
    copyKeyed(destination, source, x, y, key, inclusive, showParent ? &parent : nullptr);
}

}  // namespace paint
