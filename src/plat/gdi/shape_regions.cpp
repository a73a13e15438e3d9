#include "plat/gdi/shape_regions.h"

#include <cmath>
#include <vector>

namespace plat::gdi {

gfx::Region ellipseRegion(const gfx::Rect& box)
{
    std::vector<gfx::Rect> rows;
    double rx = box.width() / 2.0, ry = box.height() / 2.0;
    if (rx <= 0 || ry <= 0) return {};
    double cx = box.left + rx, cy = box.top + ry;
    for (int y = box.top; y < box.bottom; ++y) {
        double dy = (y + 0.5 - cy) / ry;
        double k = 1.0 - dy * dy;
        if (k < 0) continue;
        double half = rx * std::sqrt(k);
        int l = int(std::lround(cx - half)), r = int(std::lround(cx + half));
        if (r > l) rows.push_back({l, y, r, y + 1});
    }
    return gfx::Region::fromRects(rows);
}

gfx::Region frameOf(const gfx::Region& area, int w, int h)
{
    w = std::max(w, 0);
    h = std::max(h, 0);
    gfx::Region inner = area;
    for (int i = 1; i <= w; ++i) inner = inner.intersected(area.offset(i, 0)).intersected(area.offset(-i, 0));
    for (int i = 1; i <= h; ++i) inner = inner.intersected(area.offset(0, i)).intersected(area.offset(0, -i));
    return area.subtracted(inner);
}

}  // namespace plat::gdi
