#pragma once

#include <cstdint>
#include <string>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "plat/backend/backend.h"
#include "plat/backend/headless/input_script.h"
#include "plat/handle.h"

namespace plat {

// A deterministic desktop in memory: a virtual clock, scripted input and a composited screen.
// Constructing one starts the window system on it; destroying it stops the window system.
class HeadlessDesktop : public Backend {
public:
    static constexpr int kTaskBarHeight = 30;
    explicit HeadlessDesktop(gfx::Size screen = {1024, 768});
    ~HeadlessDesktop() override;
    HeadlessDesktop(const HeadlessDesktop&) = delete;
    HeadlessDesktop& operator=(const HeadlessDesktop&) = delete;

    InputScript& script() { return script_; }
    // Dispatches messages and script steps until both run dry (for tests outside modal loops).
    void run();
    // Lets time pass now, firing timers in order on the way.
    void advance(std::uint64_t ms);

    // The screen as it looks now: the desktop colour (COLOR_DESKTOP), top-level windows bottom to
    // top with their regions, the caret. A window shot is its own surface.
    const gfx::Bitmap& screen();
    gfx::Bitmap windowShot(HWND hwnd);
    void saveScreenshot(const std::string& pngPath);
    void saveWindowShot(HWND hwnd, const std::string& pngPath);

    HCURSOR cursor() const { return cursor_; }
    bool captured() const { return captured_; }

    // Backend
    std::uint64_t now() const override { return clock_; }
    gfx::Size screenSize() const override { return size_; }
    gfx::Rect workArea() const override;
    Wait waitForEvents(std::uint64_t timeoutMs) override;
    void present(HWND, const gfx::Bitmap&, const gfx::Region&) override {}
    void setCursor(HCURSOR c) override { cursor_ = c; }
    void setCapture(bool on) override { captured_ = on; }

private:
    // Runs the first step; an Advance step stays queued while timers fall due on its way.
    void runFirstStep();
    void pump();

    gfx::Size size_;
    std::uint64_t clock_ = 0;
    InputScript script_;
    gfx::Bitmap screen_;
    HCURSOR cursor_;
    bool captured_ = false;
    bool holdScript_ = false;  // advance() lets time pass without taking script steps
};

}  // namespace plat
