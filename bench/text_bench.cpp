#include <benchmark/benchmark.h>

#include "gfx/font.h"
#include "gfx/font_freetype.h"
#include "gfx/text_layout.h"

namespace {

// 40 characters each.
constexpr const char* kLatin = "The quick brown fox jumps over a lazy do";
constexpr const char* kCyrillic = "Съешь же ещё этих мягких французских бул";

const gfx::FreeTypeFont& defaultFont()
{
    static const auto font = gfx::Font::open({});  // MS Sans Serif -11
    return dynamic_cast<const gfx::FreeTypeFont&>(*font);
}

const char* sample(const benchmark::State& state) { return state.range(0) == 0 ? kLatin : kCyrillic; }

void BM_MeasureWarm(benchmark::State& state)
{
    const auto& font = defaultFont();
    const char* text = sample(state);
    font.textWidth(text);
    for (auto _ : state) benchmark::DoNotOptimize(font.textWidth(text));
}
BENCHMARK(BM_MeasureWarm)->Arg(0)->Arg(1)->ArgName("cyrillic");

void BM_MeasureCold(benchmark::State& state)
{
    const auto& font = defaultFont();
    const char* text = sample(state);
    for (auto _ : state) {
        font.clearGlyphCache();
        benchmark::DoNotOptimize(font.textWidth(text));
    }
}
BENCHMARK(BM_MeasureCold)->Arg(0)->Arg(1)->ArgName("cyrillic");

void BM_DrawWarm(benchmark::State& state)
{
    const auto& font = defaultFont();
    const char* text = sample(state);
    gfx::Bitmap target(320, 16);
    target.fill(gfx::kWhite);
    font.drawText(target, {0, 1}, text, gfx::kBlack, target.rect());
    for (auto _ : state) benchmark::DoNotOptimize(font.drawText(target, {0, 1}, text, gfx::kBlack, target.rect()));
}
BENCHMARK(BM_DrawWarm)->Arg(0)->Arg(1)->ArgName("cyrillic");

void BM_DrawCold(benchmark::State& state)
{
    const auto& font = defaultFont();
    const char* text = sample(state);
    gfx::Bitmap target(320, 16);
    target.fill(gfx::kWhite);
    for (auto _ : state) {
        font.clearGlyphCache();
        benchmark::DoNotOptimize(font.drawText(target, {0, 1}, text, gfx::kBlack, target.rect()));
    }
}
BENCHMARK(BM_DrawCold)->Arg(0)->Arg(1)->ArgName("cyrillic");

// The whole text call: a centred single line with prefix processing and end ellipsis.
void BM_DrawTextCallWarm(benchmark::State& state)
{
    const auto& font = defaultFont();
    const char* text = sample(state);
    gfx::Bitmap target(320, 16);
    target.fill(gfx::kWhite);
    for (auto _ : state) {
        gfx::Rect r{0, 0, 300, 16};
        benchmark::DoNotOptimize(gfx::drawText(target, font, text, r,
                                               gfx::dt::kSingleLine | gfx::dt::kCenter | gfx::dt::kEndEllipsis,
                                               gfx::kBlack, target.rect()));
    }
}
BENCHMARK(BM_DrawTextCallWarm)->Arg(0)->Arg(1)->ArgName("cyrillic");

}  // namespace
