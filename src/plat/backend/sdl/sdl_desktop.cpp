#include "plat/backend/sdl/sdl_desktop.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "base/error.h"
#include "base/utf8.h"
#include "plat/backend/sdl/sdl_key_map.h"
#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/paint.h"
#include "plat/system/sys_colors.h"
#include "plat/window.h"
#include "plat/window/raw_input.h"
#include "plat/window_system.h"

namespace plat {

namespace {

Uint32 Xrgb(gfx::Color c) { return (Uint32(gfx::red(c)) << 16) | (Uint32(gfx::green(c)) << 8) | gfx::blue(c); }

// Pop-up menus and tool tips: caption-less top-most tool pop-ups, shown above everything
// without the window manager's say.
bool IsTransientPopup(HWND hwnd)
{
    if (GetClassName(hwnd) == "#32768") return true;
    DWORD style = GetWindowStyle(hwnd), ex = GetWindowExStyle(hwnd);
    return (style & WS_POPUP) && !(style & WS_CAPTION) && (ex & WS_EX_TOOLWINDOW) && (ex & WS_EX_TOPMOST);
}

SDL_SystemCursor SdlCursorFor(int id)
{
    switch (id) {
    case IDC_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
    case IDC_WAIT: return SDL_SYSTEM_CURSOR_WAIT;
    case IDC_CROSS: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case IDC_SIZENWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case IDC_SIZENESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case IDC_SIZEWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case IDC_SIZENS: return SDL_SYSTEM_CURSOR_SIZENS;
    case IDC_SIZEALL: return SDL_SYSTEM_CURSOR_SIZEALL;
    case IDC_NO: return SDL_SYSTEM_CURSOR_NO;
    case IDC_HAND: return SDL_SYSTEM_CURSOR_HAND;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

}  // namespace

SdlDesktop::SdlDesktop()
{
    // Signals keep their usual meaning; SDL's own handlers would turn them into close requests.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        throw base::Error(std::string("Cannot open the desktop (is a display available?): ") + SDL_GetError());
    start_ = SDL_GetTicks64();
    const char* driver = SDL_GetCurrentVideoDriver();
    globalPointer_ = driver && std::strcmp(driver, "x11") == 0;
    SDL_StartTextInput();
    StartWindowSystem(*this);
}

SdlDesktop::~SdlDesktop()
{
    StopWindowSystem();
    for (auto& [h, w] : windows_) {
        if (w.shadow) SDL_FreeSurface(w.shadow);
        if (w.sdl) SDL_DestroyWindow(w.sdl);
    }
    for (auto& [id, c] : cursors_) SDL_FreeCursor(c);
    SDL_Quit();
}

std::uint64_t SdlDesktop::now() const { return SDL_GetTicks64() - start_; }

gfx::Size SdlDesktop::screenSize() const
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {1024, 768};
    return {mode.w, mode.h};
}

gfx::Rect SdlDesktop::workArea() const
{
    SDL_Rect r;
    if (SDL_GetDisplayUsableBounds(0, &r) != 0) return gfx::Rect::fromSize(0, 0, screenSize().width, screenSize().height);
    return gfx::Rect::fromSize(r.x, r.y, r.w, r.h);
}

SdlDesktop::TopWindow* SdlDesktop::find(HWND h)
{
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
}

SdlDesktop::TopWindow* SdlDesktop::fromSdlId(Uint32 id, HWND* hwnd)
{
    for (auto& [h, w] : windows_)
        if (w.sdl && SDL_GetWindowID(w.sdl) == id) {
            *hwnd = h;
            return &w;
        }
    return nullptr;
}

void SdlDesktop::windowCreated(HWND h, const gfx::Rect& r) { windows_[h].rect = r; }

void SdlDesktop::windowDestroyed(HWND h)
{
    auto it = windows_.find(h);
    if (it == windows_.end()) return;
    if (it->second.shadow) SDL_FreeSurface(it->second.shadow);
    if (it->second.sdl) SDL_DestroyWindow(it->second.sdl);
    windows_.erase(it);
}

void SdlDesktop::createSdlWindow(HWND h, TopWindow& w)
{
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    HWND owner = GetWindow(h, GW_OWNER);
    bool popup = IsTransientPopup(h);
    if (popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    else if (owner || (GetWindowExStyle(h) & WS_EX_TOOLWINDOW)) flags |= SDL_WINDOW_SKIP_TASKBAR;
    if (GetWindowExStyle(h) & WS_EX_TOPMOST) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    w.title = GetWindowText(h);
    w.sdl = SDL_CreateWindow(w.title.c_str(), w.rect.left, w.rect.top, std::max(1, w.rect.width()),
                             std::max(1, w.rect.height()), flags);
    if (!w.sdl) return;  // the window stays off screen; the program goes on
    w.whole = true;
    if (TopWindow* o = find(owner); o && o->sdl && !popup) SDL_SetWindowModalFor(w.sdl, o->sdl);
}

void SdlDesktop::windowMoved(HWND h, const gfx::Rect& r)
{
    TopWindow* w = find(h);
    if (!w) return;
    gfx::Rect old = w->rect;
    w->rect = r;
    if (!w->sdl) return;
    if (old.topLeft() != r.topLeft()) SDL_SetWindowPosition(w->sdl, r.left, r.top);
    if (old.size() != r.size()) {
        SDL_SetWindowSize(w->sdl, std::max(1, r.width()), std::max(1, r.height()));
        w->whole = true;
    }
}

void SdlDesktop::windowShown(HWND h, bool shown)
{
    TopWindow* w = find(h);
    if (!w) return;
    if (shown && !w->sdl) createSdlWindow(h, *w);
    if (!w->sdl) return;
    if (shown) {
        // Pixels first, so the window never appears blank.
        flush();
        SDL_ShowWindow(w->sdl);
        w->whole = true;
    } else {
        SDL_HideWindow(w->sdl);
    }
}

void SdlDesktop::windowRaised(HWND h)
{
    if (TopWindow* w = find(h); w && w->sdl) SDL_RaiseWindow(w->sdl);
}

void SdlDesktop::present(HWND h, const gfx::Bitmap& surface, const gfx::Region& damage)
{
    TopWindow* w = find(h);
    if (!w || surface.empty()) return;
    if (!w->shadow || w->shadow->w != surface.width() || w->shadow->h != surface.height()) {
        if (w->shadow) SDL_FreeSurface(w->shadow);
        w->shadow = SDL_CreateRGBSurfaceWithFormat(0, surface.width(), surface.height(), 32, SDL_PIXELFORMAT_XRGB8888);
        if (!w->shadow) return;
        SDL_SetSurfaceBlendMode(w->shadow, SDL_BLENDMODE_NONE);
        Uint32 desk = Xrgb(gfx::Color(GetSysColor(COLOR_DESKTOP)));
        SDL_FillRect(w->shadow, nullptr, desk);
        w->whole = true;
    }
    const gfx::Region* shape = GetWindowRegion(h);
    Uint32 desk = Xrgb(gfx::Color(GetSysColor(COLOR_DESKTOP)));
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
        w->damage.push_back(SDL_Rect{r.left, r.top, r.width(), r.height()});
    }
    // Cut-out parts show the desktop colour: shaped X windows need a special kind of window.
    if (shape) {
        for (const gfx::Rect& r : area.subtracted(*shape).rects()) {
            SDL_Rect sr{r.left, r.top, r.width(), r.height()};
            SDL_FillRect(w->shadow, &sr, desk);
        }
    }
}

void SdlDesktop::flush()
{
    for (auto& [h, w] : windows_) {
        if (!w.sdl || !w.shadow) continue;
        std::string title = GetWindowText(h);
        if (title != w.title) {
            w.title = title;
            SDL_SetWindowTitle(w.sdl, title.c_str());
        }
        if (!w.whole && w.damage.empty()) continue;
        SDL_Surface* target = SDL_GetWindowSurface(w.sdl);
        if (!target) continue;
        if (w.whole) {
            SDL_BlitSurface(w.shadow, nullptr, target, nullptr);
            SDL_UpdateWindowSurface(w.sdl);
        } else {
            for (SDL_Rect r : w.damage) {
                SDL_Rect d = r;
                SDL_BlitSurface(w.shadow, &r, target, &d);
            }
            SDL_UpdateWindowSurfaceRects(w.sdl, w.damage.data(), int(w.damage.size()));
        }
        w.whole = false;
        w.damage.clear();
    }
}

gfx::Point SdlDesktop::screenPoint(const TopWindow& w, int x, int y) const
{
    // Our window may have moved since X placed it: where the pointer really is wins.
    if (globalPointer_) {
        int gx = 0, gy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        return {gx, gy};
    }
    return {w.rect.left + x, w.rect.top + y};
}

bool SdlDesktop::translate(const SDL_Event& e)
{
    HWND h;
    switch (e.type) {
    case SDL_MOUSEMOTION:
        if (TopWindow* w = fromSdlId(e.motion.windowID, &h)) RawMouseMove(screenPoint(*w, e.motion.x, e.motion.y));
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        TopWindow* w = fromSdlId(e.button.windowID, &h);
        if (!w) return false;
        MouseButton b = e.button.button == SDL_BUTTON_RIGHT    ? MouseButton::Right
                        : e.button.button == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                               : MouseButton::Left;
        gfx::Point p = screenPoint(*w, e.button.x, e.button.y);
        RawMouseMove(p);
        RawMouseButton(b, e.type == SDL_MOUSEBUTTONDOWN, p);
        return true;
    }
    case SDL_MOUSEWHEEL: {
        TopWindow* w = fromSdlId(e.wheel.windowID, &h);
        if (!w || e.wheel.y == 0) return false;
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        RawMouseWheel(e.wheel.y * WHEEL_DELTA, screenPoint(*w, x, y));
        return true;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (UINT vk = VirtualKeyFromScancode(e.key.keysym.scancode)) {
            RawKey(vk, e.type == SDL_KEYDOWN);
            return true;
        }
        return false;
    case SDL_TEXTINPUT: {
        std::string_view text(e.text.text);
        for (std::size_t i = 0; i < text.size();) {
            base::DecodedCodePoint d = base::decodeUtf8(text, i);
            i += d.length;
            if (d.valid) RawChar(d.codePoint);
        }
        return true;
    }
    case SDL_WINDOWEVENT: {
        TopWindow* w = fromSdlId(e.window.windowID, &h);
        if (!w) return false;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0); return true;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: w->whole = true; return false;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (!IsTransientPopup(h) && GetActiveWindow() != h && IsWindowEnabled(h)) SetActiveWindow(h);
            return true;
        default: return false;
        }
    }
    default: return false;
    }
}

Backend::Wait SdlDesktop::waitForEvents(std::uint64_t timeoutMs)
{
    flush();
    SDL_Event e;
    int timeout = int(std::min<std::uint64_t>(timeoutMs, INT_MAX));
    if (!(timeout == 0 ? SDL_PollEvent(&e) : SDL_WaitEventTimeout(&e, timeout))) return Wait::TimedOut;
    do translate(e);
    while (SDL_PollEvent(&e));
    return Wait::Events;
}

void SdlDesktop::setCursor(HCURSOR c)
{
    if (!c) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    int id = StandardCursorId(c);
    SDL_Cursor*& cursor = cursors_[id];
    if (!cursor) cursor = SDL_CreateSystemCursor(SdlCursorFor(id));
    if (cursor) SDL_SetCursor(cursor);
}

void SdlDesktop::setCapture(bool on) { SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE); }

}  // namespace plat
