#include "plat/window/window_state.h"

#include "base/error.h"
#include "plat/gdi/surface_dc.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/state/run_state.h"
#include "plat/system/sys_metrics.h"
#include "plat/window/dc_registry.h"
#include "plat/window/window_data.h"
#include "plat/window_system.h"

namespace plat {

namespace {

LRESULT DesktopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND || message == WM_PAINT) return 0;
    return DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

WindowState& State() { return RunPart<WindowState>(); }

bool StateRunning()
{
    PartStore* run = CurrentRunIfAny();
    WindowState* s = run ? run->find<WindowState>() : nullptr;
    return s && s->backend;
}

bool Window::isTopLevel() const { return parent && parent == State().desktop; }

Window* Find(HWND hwnd)
{
    WindowSlot* slot = State().windows.get(hwnd);
    return slot && slot->window->alive ? slot->window.get() : nullptr;
}

std::shared_ptr<Window> Hold(HWND hwnd)
{
    WindowSlot* slot = State().windows.get(hwnd);
    return slot && slot->window->alive ? slot->window : nullptr;
}

PartStore* WindowPartsOf(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w ? &w->data : nullptr;
}

Window& DesktopWindow()
{
    Window* d = Find(State().desktop);
    if (!d) throw base::Error("The window system has not been started");
    return *d;
}

gfx::Point ScreenOrigin(const Window& w)
{
    gfx::Point p = w.rect.topLeft();
    for (Window* a = Find(w.parent); a && a->parent; a = Find(a->parent)) p = p + a->client.topLeft();
    return p;
}

gfx::Point ClientScreenOrigin(const Window& w)
{
    gfx::Point p = ScreenOrigin(w);
    return p + w.clientOffset();
}

Window* TopLevelOf(Window* w)
{
    while (w && w->parent && !w->isTopLevel()) w = Find(w->parent);
    return w && w->parent ? w : nullptr;
}

bool IsVisibleChain(const Window& w)
{
    for (const Window* a = &w; a && a->parent; a = Find(a->parent))
        if (!(a->style & WS_VISIBLE)) return false;
    return true;
}

gfx::Point SurfaceOrigin(const Window& w)
{
    Window* top = TopLevelOf(const_cast<Window*>(&w));
    if (!top) return {};
    return ScreenOrigin(w) - ScreenOrigin(*top);
}

LRESULT CallProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<Window> w = Hold(hwnd);
    if (!w) return 0;
    WndProc proc = w->proc;
    WindowState& s = State();
    ++s.sendDepth;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{s.sendDepth};
    return proc ? proc(hwnd, message, wParam, lParam) : DefWindowProc(hwnd, message, wParam, lParam);
}

void StartWindowCore(Backend& backend)
{
    WindowState& s = State();
    s.backend = &backend;
    gfx::Size screen = backend.screenSize();
    SetScreenMetrics(screen.width, screen.height, backend.workArea());

    auto desktop = std::make_shared<Window>();
    desktop->proc = WndProc(&DesktopProc);
    desktop->style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_POPUP;
    desktop->rect = desktop->client = desktop->normalRect = RECT{0, 0, screen.width, screen.height};
    desktop->created = true;
    s.desktop = s.windows.add(std::make_unique<WindowSlot>(WindowSlot{desktop}));
    desktop->handle = s.desktop;
    s.cursor = LoadCursor(IDC_ARROW);
}

void StopWindowCore()
{
    WindowState& s = State();
    if (!s.backend) return;
    if (Window* d = Find(s.desktop)) {
        std::vector<HWND> tops = d->children;
        for (HWND h : tops) DestroyWindow(h);
    }
    ReleaseAllWindowDCs();
    s.backend = nullptr;
}

bool WindowSystemRunning() { return StateRunning(); }

Backend& CurrentBackend()
{
    if (!StateRunning()) throw base::Error("The window system has not been started");
    return *State().backend;
}

}  // namespace plat
