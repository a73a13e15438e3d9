#include "gfx/region.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace gfx {
namespace {

enum class Op { Union, Intersect, Subtract, Xor };

template <Op op>
constexpr bool keep(bool inA, bool inB)
{
    if constexpr (op == Op::Union) return inA || inB;
    else if constexpr (op == Op::Intersect) return inA && inB;
    else if constexpr (op == Op::Subtract) return inA && !inB;
    else return inA != inB;
}

// The rectangles of one band (same top and bottom), or none.
struct Spans {
    const Rect* begin = nullptr;
    const Rect* end = nullptr;
    bool empty() const { return begin == end; }
};

// Collects output bands and merges each with the band above when they touch and have the same
// x-spans, which keeps the result canonical.
class BandWriter {
public:
    explicit BandWriter(std::size_t reserve) { out_.reserve(reserve); }

    void copySpans(Spans s, int top, int bottom)
    {
        for (const Rect* r = s.begin; r != s.end; ++r) out_.push_back({r->left, top, r->right, bottom});
    }
    void addSpan(int left, int top, int right, int bottom) { out_.push_back({left, top, right, bottom}); }

    // Closes the band whose spans were added since the last call.
    void endBand(int top, int bottom)
    {
        const std::size_t count = out_.size() - bandStart_;
        if (count == 0) return;
        if (hasPrev_ && out_[prevStart_].bottom == top && bandStart_ - prevStart_ == count &&
            std::equal(out_.begin() + prevStart_, out_.begin() + bandStart_, out_.begin() + bandStart_,
                       [](const Rect& a, const Rect& b) { return a.left == b.left && a.right == b.right; })) {
            for (std::size_t i = prevStart_; i < bandStart_; ++i) out_[i].bottom = bottom;
            out_.resize(bandStart_);
            return;
        }
        prevStart_ = bandStart_;
        hasPrev_ = true;
        bandStart_ = out_.size();
    }

    std::vector<Rect> take() { return std::move(out_); }

private:
    std::vector<Rect> out_;
    std::size_t prevStart_ = 0;
    std::size_t bandStart_ = 0;
    bool hasPrev_ = false;
};

// Combines the x-spans of two bands over [top, bottom). Spans within a band are sorted and never
// touch, so walking both lists edge by edge toggles membership exactly once per edge.
template <Op op>
void combineSpans(Spans a, Spans b, int top, int bottom, BandWriter& w)
{
    if (a.empty() || b.empty()) {
        if (keep<op>(!a.empty(), !b.empty())) w.copySpans(a.empty() ? b : a, top, bottom);
        return;
    }
    const Rect* pa = a.begin;
    const Rect* pb = b.begin;
    bool inA = false, inB = false, inside = false;
    int start = 0;
    while (pa != a.end || pb != b.end) {
        const bool hasA = pa != a.end;
        const bool hasB = pb != b.end;
        const int ea = hasA ? (inA ? pa->right : pa->left) : 0;
        const int eb = hasB ? (inB ? pb->right : pb->left) : 0;
        const int x = !hasA ? eb : !hasB ? ea : std::min(ea, eb);
        if (hasA && ea == x) {
            if (inA) ++pa;
            inA = !inA;
        }
        if (hasB && eb == x) {
            if (inB) ++pb;
            inB = !inB;
        }
        const bool now = keep<op>(inA, inB);
        if (now != inside) {
            if (now) start = x;
            else w.addSpan(start, top, x, bottom);
            inside = now;
        }
    }
}

// Walks the bands of one region; a band may be consumed in several slices.
class BandCursor {
public:
    explicit BandCursor(std::span<const Rect> rects) : rects_(rects) { findEnd(); }

    bool done() const { return i_ == rects_.size(); }
    const Rect& first() const { return rects_[i_]; }
    Spans spans() const { return {rects_.data() + i_, rects_.data() + end_}; }
    void next()
    {
        i_ = end_;
        findEnd();
    }

private:
    void findEnd()
    {
        end_ = i_;
        while (end_ < rects_.size() && rects_[end_].top == rects_[i_].top) ++end_;
    }

    std::span<const Rect> rects_;
    std::size_t i_ = 0;
    std::size_t end_ = 0;
};

// The band sweep: cuts both regions at every band edge of either and combines the x-spans of
// each slice. Each slice costs the length of the two bands it touches.
template <Op op>
std::vector<Rect> combine(std::span<const Rect> a, std::span<const Rect> b)
{
    BandWriter w(a.size() + b.size());
    BandCursor ca(a), cb(b);
    int y = INT_MIN;  // everything above y is done
    while (!ca.done() || !cb.done()) {
        if constexpr (op == Op::Intersect) {
            if (ca.done() || cb.done()) break;
        }
        if constexpr (op == Op::Subtract) {
            if (ca.done()) break;
        }
        const int aTop = ca.done() ? INT_MAX : std::max(ca.first().top, y);
        const int bTop = cb.done() ? INT_MAX : std::max(cb.first().top, y);
        const int top = !ca.done() && !cb.done() ? std::min(aTop, bTop) : ca.done() ? bTop : aTop;
        const bool aIn = !ca.done() && aTop == top;
        const bool bIn = !cb.done() && bTop == top;
        // The slice ends at the first band edge below its top; a band not yet started limits it
        // by its top.
        int bottom = INT_MAX;
        if (!ca.done()) bottom = std::min(bottom, aIn ? ca.first().bottom : aTop);
        if (!cb.done()) bottom = std::min(bottom, bIn ? cb.first().bottom : bTop);

        combineSpans<op>(aIn ? ca.spans() : Spans{}, bIn ? cb.spans() : Spans{}, top, bottom, w);
        w.endBand(top, bottom);

        y = bottom;
        if (aIn && ca.first().bottom == bottom) ca.next();
        if (bIn && cb.first().bottom == bottom) cb.next();
    }
    return w.take();
}

Region unionOf(std::span<const Rect> sortedRects);

}  // namespace

Region::Region(const Rect& r)
{
    if (!r.empty()) {
        rects_.push_back(r);
        bounds_ = r;
    }
}

Region Region::adopt(std::vector<Rect> rects)
{
    Region out;
    if (rects.empty()) return out;
    int left = rects.front().left, right = rects.front().right;
    for (const Rect& r : rects) {
        left = std::min(left, r.left);
        right = std::max(right, r.right);
    }
    out.bounds_ = {left, rects.front().top, right, rects.back().bottom};
    out.rects_ = std::move(rects);
    return out;
}

Region Region::fromRects(std::span<const Rect> rects)
{
    std::vector<Rect> kept;
    kept.reserve(rects.size());
    for (const Rect& r : rects)
        if (!r.empty()) kept.push_back(r);
    // Neighbours in y end up in the same half, which keeps the partial unions small.
    std::sort(kept.begin(), kept.end(),
              [](const Rect& a, const Rect& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
    return unionOf(kept);
}

namespace {

Region unionOf(std::span<const Rect> sortedRects)
{
    if (sortedRects.empty()) return {};
    if (sortedRects.size() == 1) return Region(sortedRects.front());
    const std::size_t half = sortedRects.size() / 2;
    return unionOf(sortedRects.first(half)).united(unionOf(sortedRects.subspan(half)));
}

}  // namespace

bool Region::contains(Point p) const
{
    if (!bounds_.contains(p)) return false;
    // Bottoms never decrease along the list, so the first rectangle ending below p.y opens the
    // only band that can hold p.
    const auto band =
        std::partition_point(rects_.begin(), rects_.end(), [&](const Rect& r) { return r.bottom <= p.y; });
    if (band == rects_.end() || band->top > p.y) return false;
    const int top = band->top;
    const auto hit = std::partition_point(band, rects_.end(),
                                          [&](const Rect& r) { return r.top == top && r.right <= p.x; });
    return hit != rects_.end() && hit->top == top && hit->left <= p.x;
}

bool Region::intersects(const Rect& r) const
{
    if (!bounds_.intersects(r)) return false;
    auto it = std::partition_point(rects_.begin(), rects_.end(), [&](const Rect& q) { return q.bottom <= r.top; });
    while (it != rects_.end() && it->top < r.bottom) {
        const int top = it->top;
        const auto bandEnd = std::partition_point(it, rects_.end(), [&](const Rect& q) { return q.top == top; });
        const auto hit = std::partition_point(it, bandEnd, [&](const Rect& q) { return q.right <= r.left; });
        if (hit != bandEnd && hit->left < r.right) return true;
        it = bandEnd;
    }
    return false;
}

Region Region::united(const Region& o) const
{
    if (o.empty()) return *this;
    if (empty()) return o;
    return adopt(combine<Op::Union>(rects_, o.rects_));
}

Region Region::intersected(const Region& o) const
{
    if (!bounds_.intersects(o.bounds_)) return {};
    return adopt(combine<Op::Intersect>(rects_, o.rects_));
}

Region Region::intersected(const Rect& r) const
{
    if (r.contains(bounds_)) return *this;
    return intersected(Region(r));
}

Region Region::subtracted(const Region& o) const
{
    if (!bounds_.intersects(o.bounds_)) return *this;
    return adopt(combine<Op::Subtract>(rects_, o.rects_));
}

Region Region::xored(const Region& o) const
{
    if (o.empty()) return *this;
    if (empty()) return o;
    return adopt(combine<Op::Xor>(rects_, o.rects_));
}

Region Region::offset(int dx, int dy) const
{
    if (empty() || (dx == 0 && dy == 0)) return *this;
    const auto fits = [](std::int64_t v, int d) {
        const std::int64_t s = v + d;
        return s >= INT_MIN && s <= INT_MAX;
    };
    if (fits(bounds_.left, dx) && fits(bounds_.right, dx) && fits(bounds_.top, dy) && fits(bounds_.bottom, dy)) {
        Region out = *this;
        for (Rect& r : out.rects_) r = r.offset(dx, dy);
        out.bounds_ = bounds_.offset(dx, dy);
        return out;
    }
    // Pixels pushed past the coordinate range are lost; clamped bands may meet, so rebuild.
    const auto clamp = [](std::int64_t v, int d) {
        return static_cast<int>(std::clamp<std::int64_t>(v + d, INT_MIN, INT_MAX));
    };
    std::vector<Rect> moved;
    moved.reserve(rects_.size());
    for (const Rect& r : rects_)
        moved.push_back({clamp(r.left, dx), clamp(r.top, dy), clamp(r.right, dx), clamp(r.bottom, dy)});
    return fromRects(moved);
}

}  // namespace gfx
