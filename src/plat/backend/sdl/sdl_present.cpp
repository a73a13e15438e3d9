// Our surfaces on the SDL windows: the shadow copy, damaged-part flushes, the caret, shapes,
// titles and icons.
#include <algorithm>
#include <limits>

#include "plat/backend/sdl/sdl_desktop.h"
#include "plat/backend/sdl/sdl_window_kind.h"
#include "plat/backend/sdl/sdl_icon.h"
#include "plat/core_queries.h"
#include "plat/input.h"
#include "plat/paint.h"
#include "plat/system/sys_colors.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

Uint32 Xrgb(gfx::Color c) { return (Uint32(gfx::red(c)) << 16) | (Uint32(gfx::green(c)) << 8) | gfx::blue(c); }

SDL_Rect ToSdl(const gfx::Rect& r) { return SDL_Rect{r.left, r.top, r.width(), r.height()}; }

// Inverts the colour bits of a 32-bit window surface in `area`, as the caret is drawn.
void InvertArea(SDL_Surface* target, const gfx::Region& area)
{
    if (target->format->BytesPerPixel != 4) return;
    Uint32 bits = target->format->Rmask | target->format->Gmask | target->format->Bmask;
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
    gfx::Region inside = area.intersected(gfx::Rect::fromSize(0, 0, target->w, target->h));
    for (const gfx::Rect& r : inside.rects())
        for (int y = r.top; y < r.bottom; ++y) {
            auto* row = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(target->pixels) + y * target->pitch);
            for (int x = r.left; x < r.right; ++x) row[x] ^= bits;
        }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
}

}  // namespace

void SdlDesktop::present(HWND h, const gfx::Bitmap& surface, const gfx::Region& damage)
{
    TopWindow* w = find(h);
    if (!w || surface.empty()) return;
    Uint32 desk = Xrgb(gfx::Color(GetSysColor(COLOR_DESKTOP)));
    if (!w->shadow || w->shadow->w != surface.width() || w->shadow->h != surface.height()) {
        if (w->shadow) SDL_FreeSurface(w->shadow);
        w->shadow = SDL_CreateRGBSurfaceWithFormat(0, surface.width(), surface.height(), 32, SDL_PIXELFORMAT_XRGB8888);
        if (!w->shadow) return;
        SDL_SetSurfaceBlendMode(w->shadow, SDL_BLENDMODE_NONE);
        SDL_FillRect(w->shadow, nullptr, desk);
        w->whole = true;
    }
    gfx::Region area = damage.intersected(surface.rect());
    auto* base = static_cast<std::uint8_t*>(w->shadow->pixels);
    for (const gfx::Rect& r : area.rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            auto* out = reinterpret_cast<Uint32*>(base + y * w->shadow->pitch);
            if (surface.bitsPerPixel() == 24 || surface.bitsPerPixel() == 32) {
                int step = surface.bitsPerPixel() / 8;
                const std::uint8_t* in = surface.row(y) + r.left * step;
                for (int x = r.left; x < r.right; ++x, in += step)
                    out[x] = (Uint32(in[2]) << 16) | (Uint32(in[1]) << 8) | in[0];
            } else {
                for (int x = r.left; x < r.right; ++x) out[x] = Xrgb(surface.pixel(x, y));
            }
        }
        w->damage.push_back(ToSdl(r));
    }
    // Parts cut out by the window's region show the desktop colour where the window has no shape.
    if (const gfx::Region* shape = GetWindowRegion(h)) {
        gfx::Region cut = area.subtracted(*shape);
        for (const gfx::Rect& r : cut.rects()) {
            SDL_Rect sr = ToSdl(r);
            SDL_FillRect(w->shadow, &sr, desk);
        }
    }
}

std::optional<SdlDesktop::DrawnCaret> SdlDesktop::wantedCaret() const
{
    std::optional<ShownCaret> shown = VisibleCaret();
    if (!shown) return std::nullopt;
    UINT blink = GetCaretBlinkTime();
    if (blink && (now() / blink) % 2 == 1) return std::nullopt;
    return DrawnCaret{shown->topLevel, std::move(shown->area)};
}

std::uint64_t SdlDesktop::timeToCaretBlink() const
{
    UINT blink = GetCaretBlinkTime();
    if (blink == 0 || !VisibleCaret()) return std::numeric_limits<std::uint64_t>::max();
    return blink - now() % blink;
}

void SdlDesktop::flush()
{
    // The caret moved, blinked or went: the pixels under its old place come back from the shadow.
    std::optional<DrawnCaret> wanted = wantedCaret();
    if (caret_ && caret_ != wanted)
        if (TopWindow* w = find(caret_->window))
            for (const gfx::Rect& r : caret_->area.rects()) w->damage.push_back(ToSdl(r));
    if (wanted && caret_ != wanted)
        if (TopWindow* w = find(wanted->window)) w->damage.push_back(ToSdl(wanted->area.bounds()));
    caret_ = wanted;
    for (auto& [h, w] : windows_) flushWindow(h, w);
}

void SdlDesktop::flushWindow(HWND h, TopWindow& w)
{
    if (!w.sdl || !w.shadow) return;
    updateTitleAndIcon(h, w);
    updateShape(h, w);
    if (!w.whole && w.damage.empty()) return;
    SDL_Surface* target = SDL_GetWindowSurface(w.sdl);
    if (!target) return;
    // The caret is drawn over fresh pixels only: its whole place is copied again with any damage.
    bool caretHere = caret_ && caret_->window == h;
    if (caretHere && !w.whole) w.damage.push_back(ToSdl(caret_->area.bounds()));
    if (w.whole) {
        SDL_BlitSurface(w.shadow, nullptr, target, nullptr);
    } else {
        for (SDL_Rect r : w.damage) {
            SDL_Rect d = r;
            SDL_BlitSurface(w.shadow, &r, target, &d);
        }
    }
    if (caretHere) InvertArea(target, caret_->area);
    if (w.whole) SDL_UpdateWindowSurface(w.sdl);
    else SDL_UpdateWindowSurfaceRects(w.sdl, w.damage.data(), int(w.damage.size()));
    w.whole = false;
    w.damage.clear();
}

void SdlDesktop::updateShape(HWND h, TopWindow& w)
{
    if (!w.shaped && !w.shapeTried && GetWindowRegion(h) && !KindOfWindow(h).popupMenu) {
        // A region came after the window was made: only a new, shaped SDL window can take it.
        SDL_DestroyWindow(w.sdl);
        w.sdl = nullptr;
        createSdlWindow(h, w);
        if (!w.sdl) return;
        if (IsWindowVisible(h)) SDL_ShowWindow(w.sdl);
    }
    if (!w.shaped) return;
    const gfx::Region* region = GetWindowRegion(h);
    gfx::Region shape = region ? *region : gfx::Region(gfx::Rect::fromSize(0, 0, w.rect.width(), w.rect.height()));
    int width = std::max(1, w.rect.width()), height = std::max(1, w.rect.height());
    shape = shape.intersected(gfx::Rect::fromSize(0, 0, width, height));
    if (w.shapeSet && *w.shapeSet == shape) return;
    SDL_Surface* mask = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (!mask) return;
    SDL_FillRect(mask, nullptr, SDL_MapRGBA(mask->format, 0, 0, 0, 0));
    Uint32 opaque = SDL_MapRGBA(mask->format, 255, 255, 255, 255);
    for (const gfx::Rect& r : shape.rects()) {
        SDL_Rect sr = ToSdl(r);
        SDL_FillRect(mask, &sr, opaque);
    }
    SDL_WindowShapeMode mode;
    mode.mode = ShapeModeBinarizeAlpha;
    mode.parameters.binarizationCutoff = 128;
    if (SDL_SetWindowShape(w.sdl, mask, &mode) == 0) w.shapeSet = shape;
    SDL_FreeSurface(mask);
    w.whole = true;
}

void SdlDesktop::updateTitleAndIcon(HWND h, TopWindow& w)
{
    std::string title = GetWindowText(h);
    if (title != w.title) {
        w.title = title;
        SDL_SetWindowTitle(w.sdl, title.c_str());
    }
    HICON icon(HGDIOBJ(std::uint64_t(GetClassLongPtr(h, GCLP_HICON))));
    if (icon == w.icon) return;
    w.icon = icon;
    if (SDL_Surface* picture = SurfaceFromIcon(icon)) {
        SDL_SetWindowIcon(w.sdl, picture);
        SDL_FreeSurface(picture);
    }
}

}  // namespace plat
