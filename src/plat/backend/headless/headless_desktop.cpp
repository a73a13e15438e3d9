#include "plat/backend/headless/headless_desktop.h"

#include "base/error.h"
#include "gfx/image_file.h"
#include "plat/core_queries.h"
#include "plat/message_queue.h"
#include "plat/window/compose.h"
#include "plat/window/timers.h"
#include "plat/window_system.h"

namespace plat {

HeadlessDesktop::HeadlessDesktop(gfx::Size screen) : size_(screen), screen_(screen.width, screen.height, 24)
{
    if (screen.width <= 0 || screen.height <= 0 || screen.width > 8192 || screen.height > 8192)
        throw base::Error("The headless desktop needs a size between 1 x 1 and 8192 x 8192");
    StartWindowSystem(*this);
}

HeadlessDesktop::~HeadlessDesktop() { StopWindowSystem(); }

gfx::Rect HeadlessDesktop::workArea() const
{
    return {0, 0, size_.width, std::max(0, size_.height - kTaskBarHeight)};
}

void HeadlessDesktop::pump()
{
    MSG msg;
    while (PeekMessage(&msg)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));  // left for the caller to see
            return;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

void HeadlessDesktop::run()
{
    pump();
    MSG msg;
    while (!script_.empty() && !PeekMessage(&msg, {}, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
        runFirstStep();
        pump();
    }
}

void HeadlessDesktop::advance(std::uint64_t ms)
{
    bool held = holdScript_;
    holdScript_ = true;
    std::uint64_t target = clock_ + ms;
    pump();
    for (;;) {
        std::optional<std::uint64_t> due = NextTimerDue();
        if (!due || *due > target) break;
        clock_ = std::max(clock_, *due);
        pump();
    }
    clock_ = target;
    pump();
    holdScript_ = held;
}

Backend::Wait HeadlessDesktop::waitForEvents(std::uint64_t)
{
    if (holdScript_ || script_.empty()) return Wait::NoMoreInput;
    runFirstStep();
    return Wait::Events;
}

void HeadlessDesktop::runFirstStep()
{
    auto& steps = script_.steps();
    if (steps.empty()) return;
    InputScript::Step& step = steps.front();
    if (step.kind == InputScript::Step::Advance) {
        std::uint64_t target = clock_ + step.ms;
        std::optional<std::uint64_t> due = NextTimerDue();
        if (due && *due <= target && *due > clock_) {
            step.ms = target - *due;
            clock_ = *due;
            return;
        }
        clock_ = target;
        steps.pop_front();
        return;
    }
    InputScript::Step s = std::move(step);
    steps.pop_front();
    switch (s.kind) {
    case InputScript::Step::Move: RawMouseMove(s.point); break;
    case InputScript::Step::Button: RawMouseButton(s.button, s.down, s.point); break;
    case InputScript::Step::Wheel: RawMouseWheel(s.amount, s.point); break;
    case InputScript::Step::Key: RawKey(UINT(s.amount), s.down); break;
    case InputScript::Step::Char: RawChar(char32_t(s.amount)); break;
    case InputScript::Step::Call:
        if (s.f) s.f();
        break;
    case InputScript::Step::Advance: break;
    }
}

const gfx::Bitmap& HeadlessDesktop::screen()
{
    ComposeScreen(screen_);
    return screen_;
}

gfx::Bitmap HeadlessDesktop::windowShot(HWND hwnd)
{
    std::optional<WindowSurface> s = SurfaceOfWindow(hwnd);
    if (!s) throw base::Error("No such window to take a picture of");
    gfx::Rect r = gfx::Rect::fromSize(s->origin.x, s->origin.y, s->size.width, s->size.height).intersected(s->bitmap->rect());
    gfx::Bitmap shot(std::max(0, r.width()), std::max(0, r.height()), 24);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) shot.setPixel24(x, y, s->bitmap->pixel24(r.left + x, r.top + y));
    return shot;
}

void HeadlessDesktop::saveScreenshot(const std::string& pngPath) { gfx::savePng(screen(), pngPath); }

void HeadlessDesktop::saveWindowShot(HWND hwnd, const std::string& pngPath) { gfx::savePng(windowShot(hwnd), pngPath); }

}  // namespace plat
