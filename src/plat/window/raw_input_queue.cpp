#include "plat/window/input_routing.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

void Push(RawEvent e)
{
    if (!StateRunning()) return;
    State().raw.push_back(e);
}

}  // namespace

void RawMouseMove(gfx::Point screen) { Push({RawEvent::Move, MouseButton::Left, false, screen, 0}); }

void RawMouseButton(MouseButton button, bool down, gfx::Point screen)
{
    Push({RawEvent::Button, button, down, screen, 0});
}

void RawMouseWheel(int delta, gfx::Point screen) { Push({RawEvent::Wheel, MouseButton::Left, false, screen, delta}); }
void RawKey(UINT virtualKey, bool down) { Push({RawEvent::Key, MouseButton::Left, down, {}, int(virtualKey)}); }
void RawChar(char32_t codePoint) { Push({RawEvent::Char, MouseButton::Left, false, {}, int(codePoint)}); }

bool RouteNextRawInput()
{
    WindowState& s = State();
    if (s.raw.empty()) return false;
    RawEvent e = s.raw.front();
    s.raw.pop_front();
    switch (e.kind) {
    case RawEvent::Move: RouteMouseMove(e.point); break;
    case RawEvent::Button: RouteMouseButton(e.button, e.down, e.point); break;
    case RawEvent::Wheel: RouteMouseWheel(e.amount, e.point); break;
    case RawEvent::Key: RouteKey(UINT(e.amount), e.down); break;
    case RawEvent::Char: RouteChar(char32_t(e.amount)); break;
    }
    return true;
}

}  // namespace plat
