#include "gfx/region.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <random>
#include <vector>

namespace gfx {

void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
void PrintTo(const Region& r, std::ostream* os)
{
    *os << "{";
    for (const Rect& q : r.rects()) PrintTo(q, os);
    *os << "}";
}

namespace {

// A brute-force pixel set on a square grid starting at (origin, origin).
struct PixelSet {
    static constexpr int origin = -8;
    static constexpr int size = 80;
    std::vector<bool> bits = std::vector<bool>(size * size, false);

    bool at(int x, int y) const
    {
        return x >= origin && y >= origin && x < origin + size && y < origin + size &&
               bits[(y - origin) * size + (x - origin)];
    }
    void set(int x, int y, bool v) { bits[(y - origin) * size + (x - origin)] = v; }

    static PixelSet of(const std::vector<Rect>& rects)
    {
        PixelSet p;
        for (const Rect& r : rects)
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) p.set(x, y, true);
        return p;
    }
    template <class F>
    static PixelSet combine(const PixelSet& a, const PixelSet& b, F f)
    {
        PixelSet p;
        for (int y = origin; y < origin + size; ++y)
            for (int x = origin; x < origin + size; ++x) p.set(x, y, f(a.at(x, y), b.at(x, y)));
        return p;
    }
    PixelSet shifted(int dx, int dy) const
    {
        PixelSet p;
        for (int y = origin; y < origin + size; ++y)
            for (int x = origin; x < origin + size; ++x) p.set(x, y, at(x - dx, y - dy));
        return p;
    }

    // The one canonical band list for these pixels: runs of each row, rows with equal runs merged.
    std::vector<Rect> canonicalRects() const
    {
        std::vector<Rect> out;
        std::vector<Rect> prev;
        for (int y = origin; y < origin + size; ++y) {
            std::vector<Rect> row;
            for (int x = origin; x < origin + size; ++x) {
                if (!at(x, y)) continue;
                if (!row.empty() && row.back().right == x) ++row.back().right;
                else row.push_back({x, y, x + 1, y + 1});
            }
            bool same = !prev.empty() && prev.size() == row.size() && prev.front().bottom == y;
            for (std::size_t i = 0; same && i < row.size(); ++i)
                same = row[i].left == prev[i].left && row[i].right == prev[i].right;
            if (same) {
                for (Rect& r : prev) r.bottom = y + 1;
            } else {
                out.insert(out.end(), prev.begin(), prev.end());
                prev = row;
            }
        }
        out.insert(out.end(), prev.begin(), prev.end());
        return out;
    }
};

std::vector<Rect> rectsOf(const Region& r) { return {r.rects().begin(), r.rects().end()}; }

void expectMatches(const Region& region, const PixelSet& model)
{
    const std::vector<Rect> want = model.canonicalRects();
    ASSERT_EQ(rectsOf(region), want);
    Rect bounds;
    for (const Rect& r : want) bounds = bounds.united(r);
    EXPECT_EQ(region.bounds(), bounds);
    EXPECT_EQ(region.empty(), want.empty());
}

std::vector<Rect> randomRects(std::mt19937& rng, int maxCount, int lo, int hi)
{
    std::uniform_int_distribution<int> count(0, maxCount), coord(lo, hi);
    std::vector<Rect> rects(count(rng));
    for (Rect& r : rects) {
        // Some come out empty or inverted on purpose; they must be ignored.
        r = {coord(rng), coord(rng), coord(rng), coord(rng)};
        if (rng() % 4 != 0) {
            if (r.left > r.right) std::swap(r.left, r.right);
            if (r.top > r.bottom) std::swap(r.top, r.bottom);
        }
    }
    return rects;
}

struct OpCase {
    const char* name;
    Region (*apply)(const Region&, const Region&);
    bool (*model)(bool, bool);
};

const OpCase kOps[] = {
    {"union", [](const Region& a, const Region& b) { return a.united(b); }, [](bool a, bool b) { return a || b; }},
    {"intersect", [](const Region& a, const Region& b) { return a.intersected(b); },
     [](bool a, bool b) { return a && b; }},
    {"subtract", [](const Region& a, const Region& b) { return a.subtracted(b); },
     [](bool a, bool b) { return a && !b; }},
    {"xor", [](const Region& a, const Region& b) { return a.xored(b); }, [](bool a, bool b) { return a != b; }},
};

// Few large rectangles on a small grid give many touching edges; many rectangles on a larger
// grid give long bands that are cut in many slices.
struct Shape {
    int maxCount, lo, hi, rounds;
};
const Shape kShapes[] = {{4, 0, 12, 400}, {40, -4, 60, 60}};

TEST(RegionTest, OperationsMatchPixelModel)
{
    std::mt19937 rng(20261210);
    for (const Shape& shape : kShapes) {
        for (int round = 0; round < shape.rounds; ++round) {
            const auto ra = randomRects(rng, shape.maxCount, shape.lo, shape.hi);
            const auto rb = randomRects(rng, shape.maxCount, shape.lo, shape.hi);
            const Region a = Region::fromRects(ra), b = Region::fromRects(rb);
            // fromRects itself: overlapping input equals the union of its pixels.
            std::vector<Rect> valid;
            for (const Rect& r : ra)
                if (!r.empty()) valid.push_back(r);
            ASSERT_NO_FATAL_FAILURE(expectMatches(a, PixelSet::of(valid))) << "round " << round;
            const PixelSet pa = PixelSet::of(rectsOf(a)), pb = PixelSet::of(rectsOf(b));
            for (const OpCase& op : kOps) {
                SCOPED_TRACE(testing::Message() << op.name << " round " << round);
                ASSERT_NO_FATAL_FAILURE(expectMatches(op.apply(a, b), PixelSet::combine(pa, pb, op.model)));
            }
        }
    }
}

TEST(RegionTest, QueriesAndRectOperationsMatchPixelModel)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-2, 16), shift(-5, 5);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const Region a = Region::fromRects(randomRects(rng, 5, 0, 14));
        const PixelSet pa = PixelSet::of(rectsOf(a));
        for (int y = -2; y < 18; ++y)
            for (int x = -2; x < 18; ++x) ASSERT_EQ(a.contains({x, y}), pa.at(x, y)) << x << "," << y;

        Rect r{coord(rng), coord(rng), coord(rng), coord(rng)};
        if (r.left > r.right) std::swap(r.left, r.right);
        if (r.top > r.bottom) std::swap(r.top, r.bottom);
        const PixelSet pr = PixelSet::of({r});
        bool overlap = false;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) overlap = overlap || pa.at(x, y);
        EXPECT_EQ(a.intersects(r), overlap) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        expectMatches(a.intersected(r), PixelSet::combine(pa, pr, [](bool p, bool q) { return p && q; }));
        expectMatches(a.united(r), PixelSet::combine(pa, pr, [](bool p, bool q) { return p || q; }));
        expectMatches(a.subtracted(r), PixelSet::combine(pa, pr, [](bool p, bool q) { return p && !q; }));

        const int dx = shift(rng), dy = shift(rng);
        expectMatches(a.offset(dx, dy), pa.shifted(dx, dy));
    }
}

TEST(RegionTest, TouchingRectanglesMergeIntoCanonicalBands)
{
    struct Case {
        const char* name;
        std::vector<Rect> in;
        std::vector<Rect> want;
    };
    const Case cases[] = {
        {"side by side", {{0, 0, 5, 5}, {5, 0, 9, 5}}, {{0, 0, 9, 5}}},
        {"stacked, same width", {{0, 5, 5, 9}, {0, 0, 5, 5}}, {{0, 0, 5, 9}}},
        {"stacked, other width", {{0, 0, 5, 5}, {0, 5, 6, 9}}, {{0, 0, 5, 5}, {0, 5, 6, 9}}},
        {"corner to corner", {{0, 0, 2, 2}, {2, 2, 4, 4}}, {{0, 0, 2, 2}, {2, 2, 4, 4}}},
        {"gap of one", {{0, 0, 2, 2}, {3, 0, 5, 2}}, {{0, 0, 2, 2}, {3, 0, 5, 2}}},
        {"overlap", {{0, 0, 4, 4}, {2, 2, 6, 6}},
         {{0, 0, 4, 2}, {0, 2, 6, 4}, {2, 4, 6, 6}}},
        {"contained", {{0, 0, 10, 10}, {2, 2, 4, 4}}, {{0, 0, 10, 10}}},
        {"only empty ones", {{0, 0, 0, 5}, {3, 3, 1, 1}}, {}},
    };
    for (const Case& c : cases) {
        const Region r = Region::fromRects(c.in);
        EXPECT_EQ(rectsOf(r), c.want) << c.name;
        // Built step by step it is the same region.
        Region stepwise;
        for (const Rect& q : c.in) stepwise = stepwise.united(q);
        EXPECT_EQ(stepwise, r) << c.name;
    }
    // A hole cut and filled again leaves the original single rectangle.
    const Region whole(Rect{0, 0, 10, 10});
    EXPECT_EQ(whole.subtracted(Rect{3, 3, 6, 6}).united(Rect{3, 3, 6, 6}), whole);
    EXPECT_EQ(whole.subtracted(Rect{3, 3, 6, 6}).rectCount(), 4u);
}

TEST(RegionTest, EmptyOperands)
{
    const Region empty;
    const Region a = Region::fromRects(std::vector<Rect>{{0, 0, 4, 4}, {6, 1, 9, 3}});
    EXPECT_EQ(a.united(empty), a);
    EXPECT_EQ(empty.united(a), a);
    EXPECT_TRUE(a.intersected(empty).empty());
    EXPECT_TRUE(empty.intersected(a).empty());
    EXPECT_EQ(a.subtracted(empty), a);
    EXPECT_TRUE(empty.subtracted(a).empty());
    EXPECT_EQ(a.xored(empty), a);
    EXPECT_TRUE(a.xored(a).empty());
    EXPECT_TRUE(a.intersected(Rect{}).empty());
    EXPECT_FALSE(a.intersects(Rect{}));
    EXPECT_FALSE(empty.contains({0, 0}));
    EXPECT_TRUE(empty.offset(-3, -3).empty());
    EXPECT_EQ(empty.bounds(), Rect{});
    EXPECT_TRUE(Region(Rect{5, 5, 2, 9}).empty());
}

TEST(RegionTest, OffsetByNegativeAmounts)
{
    const Region a = Region::fromRects(std::vector<Rect>{{0, 0, 4, 4}, {6, 1, 9, 3}});
    const Region moved = a.offset(-10, -20);
    EXPECT_EQ(rectsOf(moved),
              (std::vector<Rect>{{-10, -20, -6, -19}, {-10, -19, -6, -17}, {-4, -19, -1, -17}, {-10, -17, -6, -16}}));
    EXPECT_EQ(moved.bounds(), (Rect{-10, -20, -1, -16}));
    EXPECT_TRUE(moved.contains({-10, -20}));
    EXPECT_FALSE(moved.contains({-5, -18}));
    EXPECT_EQ(moved.offset(10, 20), a);
}

TEST(RegionTest, OffsetPastCoordinateRangeClampsInsteadOfOverflowing)
{
    const Region a(Rect{INT_MAX - 10, 0, INT_MAX, 10});
    EXPECT_EQ(a.offset(5, 0), Region(Rect{INT_MAX - 5, 0, INT_MAX, 10}));
    EXPECT_TRUE(a.offset(20, 0).empty());
    const Region b(Rect{INT_MIN, INT_MIN, INT_MIN + 4, INT_MIN + 4});
    EXPECT_EQ(b.offset(-2, -3), Region(Rect{INT_MIN, INT_MIN, INT_MIN + 2, INT_MIN + 1}));
    // Two bands that differ only in the lost part become one.
    const Region c =
        Region::fromRects(std::vector<Rect>{{INT_MAX - 10, 0, INT_MAX - 4, 2}, {INT_MAX - 10, 2, INT_MAX - 2, 4}});
    EXPECT_EQ(c.rectCount(), 2u);
    EXPECT_EQ(c.offset(5, 0), Region(Rect{INT_MAX - 5, 0, INT_MAX, 4}));
    EXPECT_TRUE(c.offset(12, 0).empty());
}

TEST(RegionTest, HandlesExtremeCoordinates)
{
    const Region big(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    const Region hole = big.subtracted(Rect{-1, -1, 1, 1});
    EXPECT_EQ(hole.rectCount(), 4u);
    EXPECT_FALSE(hole.contains({0, 0}));
    EXPECT_TRUE(hole.contains({INT_MAX - 1, INT_MIN}));
    EXPECT_EQ(hole.united(Rect{-1, -1, 1, 1}), big);
    EXPECT_EQ(hole.xored(big), Region(Rect{-1, -1, 1, 1}));
}

}  // namespace
}  // namespace gfx
