#include <benchmark/benchmark.h>

#include "plat/backend/headless/headless_desktop.h"
#include "plat/gdi/gdi.h"
#include "plat/system/sys_colors.h"
#include "plat/windowing.h"

namespace {

using namespace plat;

LRESULT FillProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r;
        GetClientRect(h, &r);
        FillRect(dc, &r, GetSysColorBrush(int(GetWindowLongPtr(h, GWLP_USERDATA))));
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

// A main window with 49 children in a 7 x 7 grid, as a busy form has.
HWND MakeTree()
{
    WNDCLASSEX wc;
    wc.lpfnWndProc = FillProc;
    wc.lpszClassName = "BenchFill";
    RegisterClassEx(wc);
    HWND top = CreateWindowEx(0, "BenchFill", "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20,
                              760, 560, {});
    SetWindowLongPtr(top, GWLP_USERDATA, COLOR_BTNFACE);
    for (int i = 0; i < 49; ++i) {
        HWND c = CreateWindowEx(0, "BenchFill", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 8 + (i % 7) * 104,
                                8 + (i / 7) * 74, 96, 66, top, ChildId(i + 1));
        SetWindowLongPtr(c, GWLP_USERDATA, i % 2 ? COLOR_WINDOW : COLOR_INFOBK);
    }
    return top;
}

void BM_RepaintTreeOf50(benchmark::State& state)
{
    HeadlessDesktop desk;
    HWND top = MakeTree();
    desk.run();
    for (auto _ : state) {
        RedrawWindow(top, nullptr, {}, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        desk.run();
    }
}
BENCHMARK(BM_RepaintTreeOf50)->Unit(benchmark::kMicrosecond);

void BM_ComposeDesktop(benchmark::State& state)
{
    HeadlessDesktop desk;
    MakeTree();
    HWND other = CreateWindowEx(0, "BenchFill", "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 600, 400, {});
    SetWindowRgn(other, CreateEllipticRgn(0, 0, 600, 400), TRUE);
    desk.run();
    for (auto _ : state) benchmark::DoNotOptimize(desk.screen().row0());
}
BENCHMARK(BM_ComposeDesktop)->Unit(benchmark::kMicrosecond);

}  // namespace
