#include "gfx/region.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// A grid of cols x rows squares of 10 pixels, 20 apart; 32 x 32 gives 1,024 rectangles.
gfx::Region grid(int cols, int rows, int dx, int dy)
{
    std::vector<gfx::Rect> rects;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) rects.push_back(gfx::Rect::fromSize(x * 20 + dx, y * 20 + dy, 10, 10));
    return gfx::Region::fromRects(rects);
}

// Two 1,024-rectangle grids staggered by half a square, so every square overlaps four others.
struct Pair {
    gfx::Region a = grid(32, 32, 0, 0);
    gfx::Region b = grid(32, 32, 5, 5);
};

template <class F>
void runOp(benchmark::State& state, F f)
{
    const Pair p;
    std::size_t out = 0;
    for (auto _ : state) {
        gfx::Region r = f(p.a, p.b);
        out = r.rectCount();
        benchmark::DoNotOptimize(r);
    }
    state.counters["out_rects"] = static_cast<double>(out);
}

void BM_Union(benchmark::State& s) { runOp(s, [](auto& a, auto& b) { return a.united(b); }); }
void BM_Intersection(benchmark::State& s) { runOp(s, [](auto& a, auto& b) { return a.intersected(b); }); }
void BM_Difference(benchmark::State& s) { runOp(s, [](auto& a, auto& b) { return a.subtracted(b); }); }
void BM_Xor(benchmark::State& s) { runOp(s, [](auto& a, auto& b) { return a.xored(b); }); }

void BM_Offset(benchmark::State& state)
{
    const gfx::Region a = grid(32, 32, 0, 0);
    for (auto _ : state) {
        gfx::Region r = a.offset(-7, 13);
        benchmark::DoNotOptimize(r);
    }
}

void BM_FromRects(benchmark::State& state)
{
    std::vector<gfx::Rect> rects;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) rects.push_back(gfx::Rect::fromSize(x * 20 + (y % 2) * 5, y * 20, 10, 10));
    for (auto _ : state) {
        gfx::Region r = gfx::Region::fromRects(rects);
        benchmark::DoNotOptimize(r);
    }
}

void BM_Contains(benchmark::State& state)
{
    const gfx::Region a = grid(32, 32, 0, 0);
    int x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.contains({x, y}));
        x = (x + 7) % 640;
        y = (y + 13) % 640;
    }
}

void BM_IntersectsRect(benchmark::State& state)
{
    const gfx::Region a = grid(32, 32, 0, 0);
    int x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.intersects(gfx::Rect::fromSize(x, y, 8, 8)));
        x = (x + 7) % 640;
        y = (y + 13) % 640;
    }
}

}  // namespace

BENCHMARK(BM_Union);
BENCHMARK(BM_Intersection);
BENCHMARK(BM_Difference);
BENCHMARK(BM_Xor);
BENCHMARK(BM_Offset);
BENCHMARK(BM_FromRects);
BENCHMARK(BM_Contains);
BENCHMARK(BM_IntersectsRect);
