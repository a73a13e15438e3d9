#include <benchmark/benchmark.h>

#include "skin/internal/internal_skin.h"
#include "skin/model/skin_loader.h"
#include "skin/pack/skin_convertor.h"

namespace {

std::string_view optionsOf(const skin::TacSkinConvertor& c)
{
    const auto& b = c.Options->bytes();
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

// What the skin manager does for its internal skin: unpack the stored bytes in place, read the
// options and load masks, patterns and general data into the arrays.
void BM_InternalSkinFromStoredBytes(benchmark::State& state)
{
    for (auto _ : state) {
        skin::TacSkinConvertor c;
        c.Warning = nullptr;
        c.setPackedDataView(skin::internalSkinArchive());
        c.ExtractPackedData(skin::kInternalSkinName);
        c.freePackedData();
        const skin::OptionsText options = skin::OptionsText::parseBytes(optionsOf(c));
        const skin::ArchiveImageSource images(c);
        skin::LoadedSkin s = skin::loadSkin({&options, &images}, skin::kInternalSkinName);
        benchmark::DoNotOptimize(s.ma.data());
    }
}
BENCHMARK(BM_InternalSkinFromStoredBytes)->Unit(benchmark::kMicrosecond);

void BM_InternalSkinUnpackOnly(benchmark::State& state)
{
    for (auto _ : state) {
        skin::TacSkinConvertor c;
        c.setPackedDataView(skin::internalSkinArchive());
        c.ExtractPackedData(skin::kInternalSkinName);
        benchmark::DoNotOptimize(c.Files.data());
    }
}
BENCHMARK(BM_InternalSkinUnpackOnly)->Unit(benchmark::kMicrosecond);

void BM_InternalSkinLoadFromUnpacked(benchmark::State& state)
{
    skin::TacSkinConvertor c;
    c.setPackedDataView(skin::internalSkinArchive());
    c.ExtractPackedData(skin::kInternalSkinName);
    const skin::OptionsText options = skin::OptionsText::parseBytes(optionsOf(c));
    const skin::ArchiveImageSource images(c);
    for (auto _ : state) {
        skin::LoadedSkin s = skin::loadSkin({&options, &images}, skin::kInternalSkinName);
        benchmark::DoNotOptimize(s.ma.data());
    }
}
BENCHMARK(BM_InternalSkinLoadFromUnpacked)->Unit(benchmark::kMicrosecond);

}  // namespace
