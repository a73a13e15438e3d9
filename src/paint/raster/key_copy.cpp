#include "paint/raster/key_copy.h"

#include <algorithm>
#include <cstring>

namespace paint {

namespace {

// The first key pixel of a row at or after i, or n.
int findKey(const std::uint8_t* p, int i, int n, std::uint8_t b, std::uint8_t g, std::uint8_t r)
{
    for (; i < n; ++i)
        if (p[3 * i] == b && p[3 * i + 1] == g && p[3 * i + 2] == r) return i;
    return n;
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

    const bool keyed = key <= 0xFEFFFFFFu;
    const std::uint8_t kb = gfx::blue(key), kg = gfx::green(key), kr = gfx::red(key);
    const gfx::Bitmap* cache = parent && parent->usable() && parent->Bitmap->bitsPerPixel() == 24 ? parent->Bitmap
                                                                                                 : nullptr;
    const int n = d.width();
    for (int j = 0; j < d.height(); ++j) {
        const std::uint8_t* sp = source.row(s.top + j) + 3 * s.left;
        std::uint8_t* dp = destination.row(d.top + j) + 3 * d.left;
        // Runs between key pixels are copied whole.
        int i = 0;
        while (i < n) {
            const int k = keyed ? findKey(sp, i, n, kb, kg, kr) : n;
            std::memmove(dp + 3 * i, sp + 3 * i, std::size_t(3 * (k - i)));
            i = k;
            for (; i < n && sp[3 * i] == kb && sp[3 * i + 1] == kg && sp[3 * i + 2] == kr; ++i) {
                if (!cache) continue;
                const int cx = parent->X + d.left + i;
                const int cy = parent->Y + d.top + j;
                if (cx < 0 || cy < 0 || cx >= cache->width() || cy >= cache->height()) continue;
                std::memcpy(dp + 3 * i, cache->row(cy) + 3 * cx, 3);
            }
        }
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
