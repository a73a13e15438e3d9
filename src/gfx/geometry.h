#pragma once

#include <algorithm>
#include <climits>

namespace gfx {

// Coordinates come from outside (window positions, rectangles a caller passes): sums and
// differences stay at the int limits instead of overflowing.
constexpr int saturated(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }
constexpr int addSaturated(int a, int b) { return saturated((long long)a + b); }
constexpr int subtractSaturated(int a, int b) { return saturated((long long)a - b); }

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(Point o) const { return {addSaturated(x, o.x), addSaturated(y, o.y)}; }
    Point operator-(Point o) const { return {subtractSaturated(x, o.x), subtractSaturated(y, o.y)}; }
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle as (left, top, right, bottom); right and bottom lie just outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect fromSize(int x, int y, int w, int h) { return {x, y, addSaturated(x, w), addSaturated(y, h)}; }

    int width() const { return subtractSaturated(right, left); }
    int height() const { return subtractSaturated(bottom, top); }
    Size size() const { return {width(), height()}; }
    Point topLeft() const { return {left, top}; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool contains(const Rect& r) const
    {
        return r.empty() || (r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom);
    }

    // The common part; an empty rectangle when there is none.
    Rect intersected(const Rect& o) const
    {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.empty() ? Rect{} : r;
    }
    bool intersects(const Rect& o) const { return !intersected(o).empty(); }
    // The smallest rectangle holding both; empty rectangles do not count.
    Rect united(const Rect& o) const
    {
        if (empty()) return o;
        if (o.empty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    Rect offset(int dx, int dy) const
    {
        return {addSaturated(left, dx), addSaturated(top, dy), addSaturated(right, dx), addSaturated(bottom, dy)};
    }
    Rect offset(Point d) const { return offset(d.x, d.y); }
    Rect inflated(int dx, int dy) const
    {
        return {subtractSaturated(left, dx), subtractSaturated(top, dy), addSaturated(right, dx),
                addSaturated(bottom, dy)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace gfx
