// A round window for the display test: an elliptic window region, filled with the highlight
// colour, at 600,100 (100 x 100). It stays until closed from outside. With --shape-after-show the
// region comes only after the window is on screen, as a window that changes its shape does.
#include <cstdio>
#include <string_view>

#include "base/error.h"
#include "plat/backend/sdl/start_desktop.h"
#include "plat/gdi/gdi.h"
#include "plat/gdi/regions.h"
#include "plat/windowing.h"

using namespace plat;

int main(int argc, char** argv)
{
    try {
        auto desktop = StartDesktop(DesktopOptionsFromCommandLine(argc, argv));
        WNDCLASSEX wc;
        wc.lpfnWndProc = DefWindowProc;
        wc.hbrBackground = HBRUSH(HGDIOBJ(std::uint64_t(COLOR_HIGHLIGHT + 1)));
        wc.lpszClassName = "RoundWindow";
        RegisterClassEx(wc);
        bool late = false;
        for (int i = 1; i < argc; ++i) late = late || std::string_view(argv[i]) == "--shape-after-show";
        HWND h = CreateWindowEx(0, "RoundWindow", "Round window", WS_POPUP, 600, 100, 100, 100, HWND{});
        if (!late) SetWindowRgn(h, CreateEllipticRgn(0, 0, 100, 100), FALSE);
        ShowWindow(h, SW_SHOWNORMAL);
        UpdateWindow(h);
        if (late) SetWindowRgn(h, CreateEllipticRgn(0, 0, 100, 100), TRUE);
        MSG msg;
        while (GetMessage(&msg)) DispatchMessage(&msg);
        return 0;
    } catch (const base::Error& e) {
        std::fprintf(stderr, "round_window: %s\n", e.message());
        return 1;
    }
}
