#include "plat/core_queries.h"

#include "plat/window/visible_region.h"
#include "plat/window/window_limits.h"
#include "plat/window/window_state.h"

namespace plat {

std::optional<WindowSurface> SurfaceOfWindow(HWND hwnd)
{
    Window* w = Find(hwnd);
    Window* top = w ? TopLevelOf(w) : nullptr;
    if (!top || !top->surface) return std::nullopt;
    return WindowSurface{top->handle, top->surface.get(), SurfaceOrigin(*w), w->rect.size()};
}

std::optional<ShownCaret> VisibleCaret()
{
    const CaretState& caret = State().caret;
    Window* w = Find(caret.owner);
    if (!w || caret.hideCount > 0) return std::nullopt;
    Window* top = TopLevelOf(w);
    if (!top || !top->surface) return std::nullopt;
    gfx::Region area = VisibleRegion(*w, false).intersected(caret.rect.offset(SurfaceOrigin(*w) + w->clientOffset()));
    if (area.empty()) return std::nullopt;
    return ShownCaret{top->handle, std::move(area)};
}

MINMAXINFO DefaultSizeLimits(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w ? DefaultMinMaxInfo(*w) : MINMAXINFO{};
}

}  // namespace plat
