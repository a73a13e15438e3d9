#pragma once

#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace gfx {

// A set of pixels kept as non-overlapping rectangles in y-x bands: rectangles sorted by top,
// then left; the rectangles of one band share top and bottom, and touching rectangles within a
// band are merged. Two regions holding the same pixels hold the same rectangles.
// Used for clip regions, update regions and window shapes.
class Region {
public:
    Region() = default;
    explicit Region(const Rect& r);
    // Any rectangles (overlapping or not); empty ones are ignored.
    static Region fromRects(std::span<const Rect> rects);

    bool empty() const { return rects_.empty(); }
    const Rect& bounds() const { return bounds_; }
    std::span<const Rect> rects() const { return rects_; }
    std::size_t rectCount() const { return rects_.size(); }
    bool contains(Point p) const;
    bool intersects(const Rect& r) const;

    Region united(const Region& o) const;
    Region intersected(const Region& o) const;
    Region subtracted(const Region& o) const;
    Region xored(const Region& o) const;
    Region united(const Rect& r) const { return united(Region(r)); }
    Region intersected(const Rect& r) const;
    Region subtracted(const Rect& r) const { return subtracted(Region(r)); }
    Region offset(int dx, int dy) const;
    Region offset(Point d) const { return offset(d.x, d.y); }

    void clear() { rects_.clear(); bounds_ = {}; }

    friend bool operator==(const Region& a, const Region& b) { return a.rects_ == b.rects_; }

private:
    // Takes rectangles already in canonical band form and works out the bounds.
    static Region adopt(std::vector<Rect> rects);

    std::vector<Rect> rects_;
    Rect bounds_;
};

}  // namespace gfx
