#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "base/file.h"
#include "fw/classes/string_list.h"
#include "fw/graphics/bitmap.h"
#include "fw/graphics/image_list.h"
#include "fw/system/profile.h"

namespace {

using namespace fw;

// Every pixel of a 24-bit bitmap through the row-0 pointer and row delta, as skin painting does.
void BM_ScanLineSweep24(benchmark::State& state)
{
    const int size = int(state.range(0));
    TBitmap b(size, size, pf24bit);
    for (auto _ : state) {
        std::uint8_t* row0 = b.Row0();
        const std::ptrdiff_t delta = b.RowDelta();
        for (int y = 0; y < size; ++y) {
            std::uint8_t* p = row0 + y * delta;
            for (int x = 0; x < size * 3; ++x) p[x] = std::uint8_t(255 - p[x]);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(size) * size * 3);
}
BENCHMARK(BM_ScanLineSweep24)->Arg(64)->Arg(512);

// The same through the canvas, one pixel per call, for comparison.
void BM_CanvasPixelsSweep(benchmark::State& state)
{
    TBitmap b(64, 64, pf24bit);
    TCanvas* c = b.Canvas();
    for (auto _ : state) {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) c->SetPixels(x, y, clRed);
    }
    state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_CanvasPixelsSweep);

void BM_CanvasTextOut(benchmark::State& state)
{
    TBitmap b(200, 20, pf24bit);
    TCanvas* c = b.Canvas();
    c->Brush()->SetStyle(bsClear);
    for (auto _ : state) c->TextOut(2, 2, "Справочник модулей");
}
BENCHMARK(BM_CanvasTextOut);

// A control's paint: its font assigned to the canvas (an equal font shares its handle), one text.
void BM_CanvasAssignFontAndText(benchmark::State& state)
{
    TBitmap b(200, 20, pf24bit);
    TFont controlFont;
    controlFont.SetStyle({fsBold});
    for (auto _ : state) {
        b.Canvas()->SetFont(&controlFont);
        b.Canvas()->TextOut(2, 2, "OK");
        controlFont.SetColor(controlFont.Color() == clRed ? clBlue : clRed);
    }
}
BENCHMARK(BM_CanvasAssignFontAndText);

void BM_BitmapDrawTransparent(benchmark::State& state)
{
    TBitmap sprite(32, 32, pf24bit);
    sprite.Canvas()->Brush()->SetColor(clFuchsia);
    sprite.Canvas()->FillRect(Rect(0, 0, 32, 32));
    sprite.Canvas()->Brush()->SetColor(clBlue);
    sprite.Canvas()->FillRect(Rect(8, 8, 24, 24));
    sprite.SetTransparent(true);
    TBitmap target(64, 64, pf24bit);
    for (auto _ : state) target.Canvas()->Draw(16, 16, &sprite);
}
BENCHMARK(BM_BitmapDrawTransparent);

void BM_ImageListDrawMasked(benchmark::State& state)
{
    TImageList list(nullptr, 16, 16);
    TBitmap glyph(16, 16, pf24bit);
    glyph.Canvas()->Brush()->SetColor(clBlack);
    glyph.Canvas()->FillRect(Rect(4, 4, 12, 12));
    list.AddMasked(&glyph, clWhite);
    TBitmap target(64, 64, pf24bit);
    for (auto _ : state) list.Draw(target.Canvas(), 8, 8, 0);
}
BENCHMARK(BM_ImageListDrawMasked);

void BM_StringListSort(benchmark::State& state)
{
    std::string text;
    for (int i = 0; i < 10000; ++i) text += "Entry " + std::to_string((i * 7919) % 10000) + "\n";
    for (auto _ : state) {
        state.PauseTiming();
        TStringList list;
        list.SetText(text);
        state.ResumeTiming();
        list.Sort();
    }
}
BENCHMARK(BM_StringListSort);

// One read of a settings file of the program's size, file opening included.
void BM_SettingsRead(benchmark::State& state)
{
    std::string path = "/tmp/sentavia_settings_bench.ini";
    base::writeFileBytes(path, "[MAIN]\r\nCAPTION=Справочник\r\nS_TEXT=Найти\r\nSKIN=Beijing\r\nW_TEXT=site\r\nURL=http://x\r\n");
    for (auto _ : state) benchmark::DoNotOptimize(GetPrivateProfileString("MAIN", "URL", "IniReadError", path));
    std::remove(path.c_str());
}
BENCHMARK(BM_SettingsRead);

}  // namespace
