// SDL events as our raw input: pointer, buttons, wheel, keys, typed text, and what the desktop
// does to our windows (close requests, focus, exposure).
#include "base/utf8.h"
#include "plat/backend/sdl/sdl_desktop.h"
#include "plat/backend/sdl/sdl_key_map.h"
#include "plat/backend/sdl/sdl_window_kind.h"
#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window/activation.h"
#include "plat/window/raw_input.h"

namespace plat {

gfx::Point SdlDesktop::screenPoint(const TopWindow& w, int x, int y) const
{
    // Our window may have moved since the desktop placed it: where the pointer really is wins.
    if (globalPointer_) {
        int gx = 0, gy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        return {gx, gy};
    }
    return {w.rect.left + x, w.rect.top + y};
}

void SdlDesktop::translate(const SDL_Event& e)
{
    HWND h;
    switch (e.type) {
    case SDL_MOUSEMOTION:
        if (TopWindow* w = fromSdlId(e.motion.windowID, &h)) RawMouseMove(screenPoint(*w, e.motion.x, e.motion.y));
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        TopWindow* w = fromSdlId(e.button.windowID, &h);
        if (!w) return;
        MouseButton b = e.button.button == SDL_BUTTON_RIGHT    ? MouseButton::Right
                        : e.button.button == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                               : MouseButton::Left;
        if (e.button.button > SDL_BUTTON_RIGHT) return;  // side buttons: nothing of ours answers them
        gfx::Point p = screenPoint(*w, e.button.x, e.button.y);
        if (e.type == SDL_MOUSEBUTTONDOWN) takeKeyboardOnClick(h, *w);
        RawMouseMove(p);
        RawMouseButton(b, e.type == SDL_MOUSEBUTTONDOWN, p);
        return;
    }
    case SDL_MOUSEWHEEL: {
        TopWindow* w = fromSdlId(e.wheel.windowID, &h);
        if (!w || e.wheel.y == 0) return;
        int steps = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        RawMouseWheel(steps * WHEEL_DELTA, screenPoint(*w, x, y));
        return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (UINT vk = VirtualKeyFromScancode(e.key.keysym.scancode)) RawKey(vk, e.type == SDL_KEYDOWN);
        return;
    case SDL_TEXTINPUT: {
        std::string_view text(e.text.text);
        for (std::size_t i = 0; i < text.size();) {
            base::DecodedCodePoint d = base::decodeUtf8(text, i);
            i += d.length ? d.length : 1;
            if (d.valid) RawChar(d.codePoint);
        }
        return;
    }
    case SDL_WINDOWEVENT:
        if (TopWindow* w = fromSdlId(e.window.windowID, &h)) windowEvent(h, *w, e.window);
        return;
    default: return;
    }
}

void SdlDesktop::windowEvent(HWND h, TopWindow& w, const SDL_WindowEvent& e)
{
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE: PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0); return;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: w.whole = true; return;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        focusLostAt_.reset();
        if (!KindOfWindow(h).popupMenu && GetActiveWindow() != h && IsWindowEnabled(h) &&
            !(GetWindowExStyle(h) & WS_EX_NOACTIVATE))
            SetActiveWindow(h);
        return;
    case SDL_WINDOWEVENT_FOCUS_LOST: focusLostAt_ = now(); return;
    default: return;
    }
}

void SdlDesktop::takeKeyboardOnClick(HWND h, const TopWindow& w)
{
    // A window manager gives a clicked window the keyboard; without one (a bare X server) nobody
    // does, and after a pop-up menu has had it typed keys would go nowhere.
    if (!w.sdl || SDL_GetKeyboardFocus() == w.sdl) return;
    if (KindOfWindow(h).popupMenu || !IsWindowEnabled(h) || (GetWindowExStyle(h) & WS_EX_NOACTIVATE)) return;
    SDL_SetWindowInputFocus(w.sdl);
}

constexpr std::uint64_t kFocusSettleMs = 150;

std::uint64_t SdlDesktop::timeToFocusCheck() const
{
    if (!focusLostAt_) return ~std::uint64_t(0);
    std::uint64_t due = *focusLostAt_ + kFocusSettleMs, t = now();
    return due > t ? due - t : 0;
}

void SdlDesktop::checkAppFocus()
{
    if (!focusLostAt_ || timeToFocusCheck() > 0) return;
    focusLostAt_.reset();
    SDL_Window* focus = SDL_GetKeyboardFocus();
    for (auto& [h, w] : windows_)
        if (w.sdl && w.sdl == focus) return;
    DeactivateApplication();
}

}  // namespace plat
