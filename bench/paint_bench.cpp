// The raster helpers over the main window's 784 x 533, each beside a plain copy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "paint/raster/blend.h"
#include "paint/raster/fast24.h"
#include "paint/raster/gradient.h"
#include "paint/raster/key_copy.h"
#include "paint/raster/masked_copy.h"

namespace {

constexpr int kW = 784;
constexpr int kH = 533;

gfx::Bitmap patterned(int w, int h, unsigned seed)
{
    gfx::Bitmap b = paint::CreateBmp24(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel24(x, y, (x * 7 + y * 13 + seed) * 2654435761u & 0xFFFFFF);
    return b;
}

// Skin-like picture: a key-colour corner every few pixels of each row.
gfx::Bitmap keyed(int w, int h)
{
    gfx::Bitmap b = patterned(w, h, 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 4; ++x) {
            b.setPixel24(x, y, gfx::kKeyColor);
            b.setPixel24(w - 1 - x, y, gfx::kKeyColor);
        }
    return b;
}

void BM_Memcpy(benchmark::State& state)
{
    gfx::Bitmap src = patterned(kW, kH, 1), dst = patterned(kW, kH, 2);
    for (auto _ : state) {
        std::memcpy(dst.bits(), src.bits(), dst.byteSize());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dst.byteSize()));
}
BENCHMARK(BM_Memcpy);

void BM_SumBitmaps(benchmark::State& state)
{
    gfx::Bitmap src = patterned(kW, kH, 1), dst = patterned(kW, kH, 2);
    for (auto _ : state) {
        paint::SumBitmaps(dst, src, 100);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dst.byteSize()));
}
BENCHMARK(BM_SumBitmaps);

void BM_BlendColorRect(benchmark::State& state)
{
    gfx::Bitmap dst = patterned(kW, kH, 2);
    for (auto _ : state) {
        paint::BlendColorRect(dst, {0, 0, kW - 1, kH - 1}, 50, 0x336699);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dst.byteSize()));
}
BENCHMARK(BM_BlendColorRect);

void BM_CopyTransRect(benchmark::State& state)
{
    gfx::Bitmap src = keyed(kW, kH), dst = patterned(kW, kH, 2);
    for (auto _ : state) {
        paint::CopyTransRect(dst, src, 0, 0, gfx::kKeyColor, {0, 0, kW - 1, kH - 1});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dst.byteSize()));
}
BENCHMARK(BM_CopyTransRect);

void BM_CopyTransRectParent(benchmark::State& state)
{
    gfx::Bitmap src = keyed(kW, kH), dst = patterned(kW, kH, 2), parent = patterned(kW, kH, 5);
    const paint::TsParentCache cache{&parent, 0, 0, true};
    for (auto _ : state) {
        paint::CopyTransRectParent(dst, src, 0, 0, true, cache, gfx::kKeyColor, {0, 0, kW - 1, kH - 1});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dst.byteSize()));
}
BENCHMARK(BM_CopyTransRectParent);

void BM_CopyMaskedRect(benchmark::State& state)
{
    gfx::Bitmap src = keyed(kW, 2 * kH), dst = patterned(kW, kH, 2), parent = patterned(kW, kH, 5);
    skin::TsMaskData entry;
    entry.SourceRect = {0, 0, kW, 2 * kH};
    entry.MaskType = 1;
    const paint::TsParentCache cache{&parent, 0, 0, true};
    for (auto _ : state) {
        paint::CopyMaskedRect({0, 0, kW, kH}, {0, 0, kW, kH}, dst, entry, true, cache, gfx::kKeyColor, src);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dst.byteSize()));
}
BENCHMARK(BM_CopyMaskedRect);

void BM_VerticalGradient(benchmark::State& state)
{
    gfx::Bitmap dst = patterned(kW, kH, 2);
    const skin::TsGradArray steps = {{15198183, 16777215, 97, 0, 0}, {16777215, 16777215, 0, 0, 0}};
    for (auto _ : state) {
        paint::PaintGradient(dst, dst.rect(), steps, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dst.byteSize()));
}
BENCHMARK(BM_VerticalGradient);

}  // namespace
