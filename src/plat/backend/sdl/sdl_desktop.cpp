#include "plat/backend/sdl/sdl_desktop.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/error.h"
#include "plat/backend/sdl/sdl_services.h"
#include "plat/backend/sdl/sdl_window_kind.h"
#include "plat/backend/sdl/sdl_x11_errors.h"
#include "plat/input.h"
#include "plat/paint.h"
#include "plat/window.h"
#include "plat/window_system.h"

namespace plat {

namespace {

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

// Drivers that open no window anyone can see.
bool IsInvisibleDriver(const char* driver)
{
    return !driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0 ||
           std::strcmp(driver, "evdev") == 0;
}

// Window events act on our windows at once (focus, close, exposure), unlike input, which waits
// in the core's queue: the messages of what came before them are handled first.
bool ActsAtOnce(const SDL_Event& e) { return e.type == SDL_WINDOWEVENT; }

}  // namespace

SdlDesktop::SdlDesktop()
{
    // Signals keep their usual meaning; SDL's own handlers would turn them into close requests.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // A click that activates one of our windows is a click as well.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Leaving a pop-up menu or another window of ours must not minimise anything.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        throw base::Error(std::string("Cannot open the desktop (no display? set DISPLAY or WAYLAND_DISPLAY, or "
                                      "start with --headless): ") +
                          SDL_GetError());
    const char* driver = SDL_GetCurrentVideoDriver();
    if (IsInvisibleDriver(driver)) {
        std::string name = driver ? driver : "none";
        SDL_Quit();
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
            throw base::Error("Cannot open the desktop: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                              "start with --headless to run without one");
        throw base::Error("Cannot open the desktop: the video driver '" + name +
                          "' shows nothing (start with --headless instead)");
    }
    start_ = SDL_GetTicks64();
    globalPointer_ = std::strcmp(driver, "x11") == 0;
    if (globalPointer_) SurviveStaleWindowErrors();
    SDL_StartTextInput();
    StartWindowSystem(*this);
    ConnectDesktopServices();
}

SdlDesktop::~SdlDesktop()
{
    DisconnectDesktopServices();
    StopWindowSystem();
    for (auto& [h, w] : windows_) destroySdlWindow(w);
    for (auto& [id, c] : cursors_) SDL_FreeCursor(c);
    for (auto& [id, c] : pictureCursors_) SDL_FreeCursor(c);
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
    if (caret_ && caret_->window == h) caret_.reset();
    destroySdlWindow(it->second);
    windows_.erase(it);
}

void SdlDesktop::destroySdlWindow(TopWindow& w)
{
    if (w.shadow) SDL_FreeSurface(w.shadow);
    if (w.sdl) SDL_DestroyWindow(w.sdl);
    w.shadow = nullptr;
    w.sdl = nullptr;
}

void SdlDesktop::createSdlWindow(HWND h, TopWindow& w)
{
    WindowKind kind = KindOfWindow(h);
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (kind.popupMenu) flags |= SDL_WINDOW_POPUP_MENU;
    if (!kind.inTaskBar) flags |= SDL_WINDOW_SKIP_TASKBAR;
    if (kind.topMost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    w.title = GetWindowText(h);
    int width = std::max(1, w.rect.width()), height = std::max(1, w.rect.height());
    // A window with a region gets a shaped window (SDL cannot shape a plain one later).
    if (GetWindowRegion(h) && !kind.popupMenu) {
        w.shapeTried = true;
        w.sdl = SDL_CreateShapedWindow(w.title.c_str(), unsigned(w.rect.left), unsigned(w.rect.top), unsigned(width),
                                       unsigned(height), flags);
        w.shaped = w.sdl != nullptr;
        // SDL places shaped windows off screen until the shape is set.
        if (w.sdl) SDL_SetWindowPosition(w.sdl, w.rect.left, w.rect.top);
    }
    if (!w.sdl) w.sdl = SDL_CreateWindow(w.title.c_str(), w.rect.left, w.rect.top, width, height, flags);
    if (!w.sdl) return;  // the window stays off screen; the program goes on
    w.whole = true;
    w.shapeSet.reset();
    // Owned windows stay above their owner (the desktop's "transient for").
    if (TopWindow* o = find(kind.owner); o && o->sdl && !kind.popupMenu) SDL_SetWindowModalFor(w.sdl, o->sdl);
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
        w->whole = true;
        flushWindow(h, *w);
        SDL_ShowWindow(w->sdl);
        w->whole = true;
    } else {
        SDL_HideWindow(w->sdl);
    }
}

void SdlDesktop::windowRaised(HWND h)
{
    TopWindow* w = find(h);
    if (!w || !w->sdl || !(SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_SHOWN)) return;
    // Pop-up menus float above everything already; raising one would take the focus.
    if (!KindOfWindow(h).popupMenu) SDL_RaiseWindow(w->sdl);
}

Backend::Wait SdlDesktop::waitForEvents(std::uint64_t timeoutMs)
{
    checkAppFocus();
    flush();
    timeoutMs = std::min({timeoutMs, timeToCaretBlink(), timeToFocusCheck()});
    SDL_Event e;
    int timeout = int(std::min<std::uint64_t>(timeoutMs, INT_MAX));
    if (!(timeout == 0 ? SDL_PollEvent(&e) : SDL_WaitEventTimeout(&e, timeout))) {
        checkAppFocus();
        return Wait::TimedOut;
    }
    // Input waiting is taken together: the window core routes raw input only as its loop takes it,
    // so a release still finds the capture its press set.
    for (;;) {
        translate(e);
        if (ActsAtOnce(e) || !SDL_PollEvent(&e)) break;
    }
    return Wait::Events;
}

void SdlDesktop::setCursor(HCURSOR c)
{
    if (!c) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    if (SDL_Cursor* picture = PictureCursor(c, pictureCursors_)) {
        SDL_SetCursor(picture);
        return;
    }
    int id = StandardCursorId(c);
    SDL_Cursor*& cursor = cursors_[id];
    if (!cursor) cursor = SDL_CreateSystemCursor(SdlCursorFor(id));
    if (cursor) SDL_SetCursor(cursor);
}

void SdlDesktop::setCapture(bool on) { SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE); }

}  // namespace plat
