#include "plat/window/compose.h"

#include <cstring>

#include "plat/core_queries.h"
#include "plat/input.h"
#include "plat/system/sys_colors.h"
#include "plat/window/visible_region.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

void CopyRect(gfx::Bitmap& screen, const gfx::Bitmap& surface, const RECT& r, gfx::Point surfaceOrigin)
{
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint8_t* src = surface.row(y - surfaceOrigin.y) + 3 * (r.left - surfaceOrigin.x);
        std::memcpy(screen.row(y) + 3 * r.left, src, std::size_t(3 * r.width()));
    }
}

void DrawCaret(gfx::Bitmap& screen)
{
    WindowState& s = State();
    std::optional<ShownCaret> caret = VisibleCaret();
    Window* top = caret ? Find(caret->topLevel) : nullptr;
    if (!top || !s.backend) return;
    UINT blink = GetCaretBlinkTime();
    if (blink && (s.backend->now() / blink) % 2 == 1) return;
    gfx::Region shown = caret->area.offset(ScreenOrigin(*top)).intersected(screen.rect());  // kept: rects() is a view
    for (const RECT& r : shown.rects())
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) screen.setPixel24(x, y, screen.pixel24(x, y) ^ 0xFFFFFF);
}

}  // namespace

void ComposeScreen(gfx::Bitmap& screen)
{
    WindowState& s = State();
    gfx::Size size = s.backend ? s.backend->screenSize() : gfx::Size{1024, 768};
    if (screen.size() != size || screen.bitsPerPixel() != 24) screen = gfx::Bitmap(size.width, size.height, 24);
    screen.fill(GetSysColor(COLOR_DESKTOP));
    Window* desktop = Find(s.desktop);
    if (!desktop) return;
    for (auto it = desktop->children.rbegin(); it != desktop->children.rend(); ++it) {
        Window* w = Find(*it);
        if (!w || !(w->style & WS_VISIBLE) || !w->surface) continue;
        gfx::Region area = ShapeInParent(*w).intersected(screen.rect());
        area = area.intersected(gfx::Region(RECT::fromSize(w->rect.left, w->rect.top, w->surface->width(),
                                                           w->surface->height())));
        for (const RECT& r : area.rects()) CopyRect(screen, *w->surface, r, w->rect.topLeft());
    }
    DrawCaret(screen);
}

}  // namespace plat
