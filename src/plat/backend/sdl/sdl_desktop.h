#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <SDL2/SDL.h>

#include "gfx/region.h"
#include "plat/backend/backend.h"
#include "plat/gdi/gdi_types.h"

namespace plat {

// The real desktop through SDL2: one borderless SDL window per shown top-level window, whose
// pixels are copied from our surface (only the damaged parts once it has been shown whole).
// Constructing one starts the window system on it; destroying it stops the window system.
// Throws base::Error when no display can be opened.
class SdlDesktop : public Backend {
public:
    SdlDesktop();
    ~SdlDesktop() override;
    SdlDesktop(const SdlDesktop&) = delete;
    SdlDesktop& operator=(const SdlDesktop&) = delete;

    std::uint64_t now() const override;
    gfx::Size screenSize() const override;
    gfx::Rect workArea() const override;
    // Waits on SDL's event queue, no longer than to the next timer or caret blink.
    Wait waitForEvents(std::uint64_t timeoutMs) override;

    void windowCreated(HWND, const gfx::Rect&) override;
    void windowDestroyed(HWND) override;
    void windowMoved(HWND, const gfx::Rect&) override;
    void windowShown(HWND, bool) override;
    void windowRaised(HWND) override;
    void present(HWND, const gfx::Bitmap& surface, const gfx::Region& damage) override;
    void setCursor(HCURSOR) override;
    void setCapture(bool) override;

private:
    struct TopWindow {
        SDL_Window* sdl = nullptr;
        SDL_Surface* shadow = nullptr;  // our pixels, already cut by the window's region
        gfx::Rect rect;                 // screen
        std::vector<SDL_Rect> damage;
        bool whole = true;  // the next flush copies everything
        bool shaped = false;                 // made by SDL_CreateShapedWindow
        bool shapeTried = false;             // a shaped window was asked for once (it may be refused)
        std::optional<gfx::Region> shapeSet;  // the shape last given to SDL
        std::string title;
        HICON icon;
    };
    // The caret as last drawn on a window: XORed over the shadow's pixels.
    struct DrawnCaret {
        HWND window;
        gfx::Region area;  // surface coordinates, clipped to what the caret's window shows
        bool operator==(const DrawnCaret&) const = default;
    };

    TopWindow* find(HWND);
    TopWindow* fromSdlId(Uint32 id, HWND* hwnd);
    void createSdlWindow(HWND, TopWindow&);
    void destroySdlWindow(TopWindow&);

    // sdl_present.cpp
    void flush();
    void flushWindow(HWND, TopWindow&);
    void updateShape(HWND, TopWindow&);
    void updateTitleAndIcon(HWND, TopWindow&);
    std::optional<DrawnCaret> wantedCaret() const;
    std::uint64_t timeToCaretBlink() const;

    // sdl_input.cpp
    void translate(const SDL_Event&);
    void windowEvent(HWND, TopWindow&, const SDL_WindowEvent&);
    gfx::Point screenPoint(const TopWindow&, int x, int y) const;
    void takeKeyboardOnClick(HWND, const TopWindow&);
    void checkAppFocus();
    std::uint64_t timeToFocusCheck() const;

    std::uint64_t start_ = 0;
    bool globalPointer_ = false;  // the driver reports where the pointer really is (X11)
    // When one of our windows lost the keyboard focus: the loss counts for the application only if
    // none of ours has it a moment later (focus moving between two of them passes through none).
    std::optional<std::uint64_t> focusLostAt_;
    std::map<HWND, TopWindow> windows_;
    std::map<int, SDL_Cursor*> cursors_;
    std::map<std::uint64_t, SDL_Cursor*> pictureCursors_;
    std::optional<DrawnCaret> caret_;
};

}  // namespace plat
