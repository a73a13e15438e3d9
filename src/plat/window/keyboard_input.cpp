#include "plat/input.h"
#include "plat/messages.h"
#include "plat/virtual_keys.h"
#include "plat/window/input_routing.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

// Keys go to the focus window; with no focus the active window hears them as system keys.
HWND KeyTarget(bool& system)
{
    WindowState& s = State();
    if (s.focus && Find(s.focus)) return s.focus;
    system = true;
    return s.active && Find(s.active) ? s.active : HWND{};
}

}  // namespace

void RouteKey(UINT virtualKey, bool down)
{
    WindowState& s = State();
    if (virtualKey == 0 || virtualKey > 0xFF) return;
    std::uint8_t& k = s.keys[virtualKey];
    bool wasDown = k & 0x80;
    if (down) k = std::uint8_t(0x80 | (wasDown ? (k & 1) : ((k & 1) ^ 1)));
    else k &= std::uint8_t(~0x80);

    bool alt = s.keys[VK_MENU] & 0x80;
    bool ctrl = s.keys[VK_CONTROL] & 0x80;
    bool system = (alt && !ctrl) || virtualKey == VK_F10 || (virtualKey == VK_MENU && !ctrl);
    HWND target = KeyTarget(system);
    if (!target || !IsWindowEnabled(GetAncestor(target, GA_ROOT))) return;
    LPARAM lp = 1;
    if (alt) lp |= LPARAM(1) << 29;
    if (wasDown) lp |= LPARAM(1) << 30;
    if (!down) lp |= LPARAM(3) << 30;
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    QueueInput(target, message, WPARAM(virtualKey), lp);
}

void RouteChar(char32_t codePoint)
{
    if (codePoint == 0 || codePoint > 0x10FFFF) return;
    bool system = false;
    HWND target = KeyTarget(system);
    if (!target || system || !IsWindowEnabled(target)) return;
    QueueInput(target, WM_CHAR, WPARAM(codePoint), 1);
}

std::int16_t GetKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 0xFF) return 0;
    std::uint8_t k = State().keys[virtualKey];
    return std::int16_t(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

std::int16_t GetAsyncKeyState(int virtualKey)
{
    return std::int16_t(GetKeyState(virtualKey) & std::int16_t(0x8000));
}

}  // namespace plat
