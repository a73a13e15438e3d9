#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/bmp_file.h"
#include "gfx/png_file.h"

namespace {

// The main window's outer size: the largest working bitmap the program makes.
constexpr int kW = 784;
constexpr int kH = 533;

gfx::Bitmap picture()
{
    gfx::Bitmap b(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            b.setPixel24(x, y, gfx::rgb(std::uint8_t(x), std::uint8_t(y), std::uint8_t((x ^ y) & 0xF0)));
    return b;
}

void BM_BitmapCopy(benchmark::State& state)
{
    const gfx::Bitmap src = picture();
    for (auto _ : state) {
        gfx::Bitmap copy(src);
        benchmark::DoNotOptimize(copy.bits());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(src.byteSize()));
}
BENCHMARK(BM_BitmapCopy);

void BM_RowCopyIntoExisting(benchmark::State& state)
{
    const gfx::Bitmap src = picture();
    gfx::Bitmap dst(kW, kH, 24, gfx::RowOrder::BottomUp);
    const std::size_t rowBytes = std::size_t(kW) * 3;
    for (auto _ : state) {
        for (int y = 0; y < kH; ++y)
            std::memcpy(dst.row(y), src.row(y), rowBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(src.byteSize()));
}
BENCHMARK(BM_RowCopyIntoExisting);

void BM_PlainMemcpySameBytes(benchmark::State& state)
{
    const std::size_t bytes = gfx::bitmapStride(kW, 24) * kH;
    std::vector<std::uint8_t> a(bytes, 7), b(bytes);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}
BENCHMARK(BM_PlainMemcpySameBytes);

void BM_ReadBmp24(benchmark::State& state)
{
    const std::vector<std::uint8_t> file = gfx::writeBmp(picture());
    for (auto _ : state) {
        gfx::Bitmap b = gfx::readBmp(file);
        benchmark::DoNotOptimize(b.bits());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}
BENCHMARK(BM_ReadBmp24);

void BM_ReadPng24(benchmark::State& state)
{
    const std::vector<std::uint8_t> file = gfx::writePng(picture());
    for (auto _ : state) {
        gfx::Bitmap b = gfx::readPng(file);
        benchmark::DoNotOptimize(b.bits());
    }
    state.counters["file_bytes"] = double(file.size());
}
BENCHMARK(BM_ReadPng24);

}  // namespace
