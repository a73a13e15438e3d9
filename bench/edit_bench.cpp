// The edit control on long texts: a word-wrapped memo 432 px wide and a single-line edit, with
// 1 MB and 10 MB of mixed Latin and Cyrillic words. Every step includes the repaint it causes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/controls_registry.h"
#include "plat/controls/edit_styles.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/services/clipboard.h"
#include "plat/system/sys_colors.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace {

using namespace plat;

enum Kind { kMemo = 0, kSingleLine = 1 };

std::string Words(std::size_t bytes)
{
    static const char* const words[] = {"справочник", "reference", "книга", "entry", "запись", "of", "и",
                                        "Sentavia", "описание", "the", "поиск", "word", "длинный", "text"};
    std::string out;
    out.reserve(bytes + 32);
    for (std::size_t i = 0; out.size() < bytes; ++i) {
        out += words[(i * 7 + i / 5) % std::size(words)];
        out += ' ';
    }
    return out;
}

const std::string& TextOf(std::size_t kb)
{
    static std::string last;
    static std::size_t lastKb = 0;
    if (kb != lastKb) {
        last = Words(kb * 1024);
        lastKb = kb;
    }
    return last;
}

// A main window holding the edit of the given kind, its text set and painted once.
struct Scene {
    HeadlessDesktop desk{{1024, 768}};
    HWND parent;
    HWND edit;

    Scene(Kind kind, std::size_t kb, bool setText = true)
    {
        InstallPlainFrame();
        RegisterStandardControls();
        WNDCLASSEX wc;
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "EditBenchParent";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
        RegisterClassEx(wc);
        parent = CreateWindowEx(0, "EditBenchParent", "Edits", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 480, 400, {});
        DWORD style = kind == kMemo ? ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
        int height = kind == kMemo ? 300 : 21;
        edit = CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, 10,
                              432 + 4 + (kind == kMemo ? 16 : 0), height, parent, ChildId(100));
        SetFocus(edit);
        if (setText) SetWindowText(edit, TextOf(kb));
        desk.run();
    }
    POINT inside(int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(edit, &p);
        return p;
    }
    void keys(UINT modifier, UINT vk)
    {
        if (modifier) desk.script().keyDown(modifier);
        desk.script().key(vk);
        if (modifier) desk.script().keyUp(modifier);
        desk.run();
    }
};

Kind KindOf(const benchmark::State& state) { return Kind(state.range(0)); }
std::size_t KbOf(const benchmark::State& state) { return std::size_t(state.range(1)); }

void Sizes(benchmark::internal::Benchmark* b)
{
    for (int kind : {kMemo, kSingleLine})
        for (int kb : {1024, 10240}) b->Args({kind, kb});
    b->ArgNames({"single", "kb"})->Unit(benchmark::kMillisecond);
}

void BM_EditSetText(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state), false);
    const std::string& text = TextOf(KbOf(state));
    for (auto _ : state) {
        SetWindowText(s.edit, text);
        state.PauseTiming();
        SetWindowText(s.edit, "");
        s.desk.run();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditSetText)->Apply(Sizes);

void BM_EditFirstPaint(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state), false);
    const std::string& text = TextOf(KbOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        SetWindowText(s.edit, "");
        s.desk.run();
        SetWindowText(s.edit, text);
        state.ResumeTiming();
        s.desk.run();
    }
}
BENCHMARK(BM_EditFirstPaint)->Apply(Sizes);

// Selects everything and pastes the whole text over it.
void BM_EditPaste(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state), false);
    OpenClipboard(s.parent);
    EmptyClipboard();
    SetClipboardText(TextOf(KbOf(state)));
    CloseClipboard();
    for (auto _ : state) {
        state.PauseTiming();
        SendMessage(s.edit, EM_SETSEL, 0, -1);
        state.ResumeTiming();
        s.keys(VK_CONTROL, 'V');
    }
}
BENCHMARK(BM_EditPaste)->Apply(Sizes);

// One character typed at the start, each time a new undo step.
void BM_EditTypeAtStart(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state));
    for (auto _ : state) {
        SendMessage(s.edit, EM_SETSEL, 0, 0);
        s.desk.script().type("ж");
        s.desk.run();
    }
}
BENCHMARK(BM_EditTypeAtStart)->Apply(Sizes);

void BM_EditClick(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state));
    POINT p = s.inside(200, 8);
    for (auto _ : state) {
        s.desk.script().click(p.x, p.y);
        s.desk.run();
        state.PauseTiming();
        s.desk.advance(1000);  // the next click is not a double click
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditClick)->Apply(Sizes);

void BM_EditDoubleClick(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state));
    POINT p = s.inside(200, 8);
    for (auto _ : state) {
        s.desk.script().doubleClick(p.x, p.y);
        s.desk.run();
        state.PauseTiming();
        s.desk.advance(1000);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditDoubleClick)->Apply(Sizes);

// Page Down from the top, then (untimed) back to the top when the end is near.
void BM_EditPageDown(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state));
    int pages = 0;
    for (auto _ : state) {
        s.keys(0, VK_NEXT);
        if (++pages == 50) {
            state.PauseTiming();
            s.keys(VK_CONTROL, VK_HOME);
            pages = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_EditPageDown)->Apply(Sizes);

// Ctrl+End from the start, then (untimed) Ctrl+Home.
void BM_EditCtrlEnd(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state));
    for (auto _ : state) {
        s.keys(VK_CONTROL, VK_END);
        state.PauseTiming();
        s.keys(VK_CONTROL, VK_HOME);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditCtrlEnd)->Apply(Sizes);

// Ctrl+A, then (untimed) a caret at the start again.
void BM_EditSelectAll(benchmark::State& state)
{
    Scene s(KindOf(state), KbOf(state));
    for (auto _ : state) {
        s.keys(VK_CONTROL, 'A');
        state.PauseTiming();
        SendMessage(s.edit, EM_SETSEL, 0, 0);
        s.desk.run();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditSelectAll)->Apply(Sizes);

}  // namespace
