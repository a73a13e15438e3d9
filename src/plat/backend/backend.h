#pragma once

#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "gfx/region.h"
#include "plat/handle.h"

namespace plat {

// What the window system needs from the machine it runs on: a clock, a screen, input and a
// place to show top-level windows. Input arrives by the backend calling the raw-input functions
// (plat/window/raw_input.h) from inside waitForEvents.
class Backend {
public:
    virtual ~Backend() = default;

    // Milliseconds since the backend started.
    virtual std::uint64_t now() const = 0;
    virtual gfx::Size screenSize() const = 0;
    virtual gfx::Rect workArea() const = 0;

    enum class Wait { Events, TimedOut, NoMoreInput };
    // Delivers pending input, waiting up to timeoutMs for some (0: just look). NoMoreInput means
    // no input can ever come (a finished script): a loop that needs input must not wait.
    virtual Wait waitForEvents(std::uint64_t timeoutMs) = 0;

    // Top-level windows, by screen rectangle.
    virtual void windowCreated(HWND, const gfx::Rect&) {}
    virtual void windowDestroyed(HWND) {}
    virtual void windowMoved(HWND, const gfx::Rect&) {}
    virtual void windowShown(HWND, bool) {}
    virtual void windowRaised(HWND) {}
    // The window's surface changed in `damage` (surface coordinates).
    virtual void present(HWND, const gfx::Bitmap& surface, const gfx::Region& damage) = 0;

    virtual void setCursor(HCURSOR) {}
    virtual void setCapture(bool) {}
};

}  // namespace plat
