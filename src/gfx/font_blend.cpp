#include "gfx/font_blend.h"

#include "gfx/region.h"

namespace gfx {

namespace {

inline std::uint8_t mix(std::uint8_t dst, std::uint8_t src, unsigned a)
{
    // Exact rounding of dst + (src - dst) * a / 255.
    const int v = int(dst) * 255 + (int(src) - int(dst)) * int(a);
    return std::uint8_t((v + 127) / 255);
}

template <typename PerPixel>
void forEachVisible(Bitmap& target, const Rect& box, const Rect& clip, const Region* clipRegion,
                    PerPixel&& paint)
{
    if (target.bitsPerPixel() != 24 && target.bitsPerPixel() != 32) return;
    const Rect visible = box.intersected(clip).intersected(target.rect());
    if (visible.empty()) return;
    if (!clipRegion) {
        paint(visible);
        return;
    }
    for (const Rect& r : clipRegion->rects()) {
        const Rect part = visible.intersected(r);
        if (!part.empty()) paint(part);
    }
}

}  // namespace

void blendCoverage(Bitmap& target, Point at, const CoverageMap& coverage, Color color,
                   const Rect& clip, const Region* clipRegion)
{
    if (!coverage.data || coverage.width <= 0 || coverage.height <= 0) return;
    const int bytes = target.bitsPerPixel() / 8;
    const std::uint8_t r = red(color), g = green(color), b = blue(color);
    const Rect box = Rect::fromSize(at.x, at.y, coverage.width, coverage.height);
    forEachVisible(target, box, clip, clipRegion, [&](const Rect& part) {
        for (int y = part.top; y < part.bottom; ++y) {
            const std::uint8_t* src = coverage.data + std::ptrdiff_t(y - at.y) * coverage.pitch;
            std::uint8_t* dst = target.row(y) + std::ptrdiff_t(part.left) * bytes;
            for (int x = part.left; x < part.right; ++x, dst += bytes) {
                const unsigned a = src[x - at.x];
                if (a == 0) continue;
                if (a == 255) {
                    dst[0] = b;
                    dst[1] = g;
                    dst[2] = r;
                } else {
                    dst[0] = mix(dst[0], b, a);
                    dst[1] = mix(dst[1], g, a);
                    dst[2] = mix(dst[2], r, a);
                }
            }
        }
    });
}

void fillClipped(Bitmap& target, const Rect& area, Color color, const Rect& clip,
                 const Region* clipRegion)
{
    forEachVisible(target, area, clip, clipRegion, [&](const Rect& part) { target.fillRect(part, color); });
}

}  // namespace gfx
