#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "plat/backend/backend.h"
#include "plat/handle_table.h"
#include "plat/hook.h"
#include "plat/timer.h"
#include "plat/window/raw_input.h"
#include "plat/window/window_object.h"

namespace plat {

class ModalLoop;

struct WindowSlot {
    std::shared_ptr<Window> window;
};

struct TimerEntry {
    HWND hwnd;
    std::uintptr_t id = 0;
    UINT interval = 0;
    std::uint64_t due = 0;
    std::uint64_t order = 0;  // ties of due time fire in the order they were set
    TIMERPROC proc = nullptr;
};

struct HookEntry {
    HHOOK handle;
    HOOKPROC proc = nullptr;
};

struct TrackedLeave {
    HWND hwnd;
    bool nonClient = false;
};

struct LastClick {
    HWND hwnd;
    UINT downMessage = 0;
    std::uint64_t time = 0;
    gfx::Point point;
    bool valid = false;
};

// Input as the backend gave it, waiting to be routed when the loop takes input.
struct RawEvent {
    enum Kind { Move, Button, Wheel, Key, Char } kind;
    MouseButton button = MouseButton::Left;
    bool down = false;
    gfx::Point point;
    int amount = 0;  // wheel delta, virtual key or code point
};

struct CaretState {
    HWND owner;
    RECT rect;  // client coordinates of the owner
    int hideCount = 1;
};

// Everything the window system keeps, for the one user-interface thread.
struct WindowState {
    Backend* backend = nullptr;
    HandleTable<HWND, WindowSlot> windows;
    HWND desktop;
    std::map<std::string, std::shared_ptr<WindowClass>> classes;  // lower-case names
    ATOM nextAtom = 0xC000;

    std::deque<MSG> posted;
    std::deque<RawEvent> raw;
    std::deque<MSG> input;  // mouse and keyboard messages made from the backend's input
    bool quitPosted = false;
    int quitCode = 0;
    int sendDepth = 0;
    MSG current;  // the message being dispatched, for GetMessageTime / GetMessagePos

    std::vector<TimerEntry> timers;
    std::uint64_t timerOrder = 0;
    std::uintptr_t nextThreadTimerId = 1;

    std::vector<HookEntry> hooks;  // last installed first
    std::uint64_t nextHook = 1;

    HWND focus, active, capture;
    TrackedLeave leave;
    LastClick lastClick;
    gfx::Point cursorPos;
    std::uint8_t keys[256] = {};  // bit 0x80 down, bit 0x01 toggled
    HCURSOR cursor;
    CaretState caret;
    bool appActive = false;
    std::vector<ModalLoop*> modalLoops;  // running nested loops, innermost last

    gfx::Bitmap screenCopy;  // what GetDC(null) draws on / reads
};

WindowState& State();
bool StateRunning();

// The window behind a handle, or null when the handle is stale.
Window* Find(HWND hwnd);
std::shared_ptr<Window> Hold(HWND hwnd);
Window& DesktopWindow();
std::shared_ptr<WindowClass> FindClass(std::string_view name);

// Window geometry helpers shared by the window system's parts.
gfx::Point ScreenOrigin(const Window& w);       // top-left of the window rectangle, screen
gfx::Point ClientScreenOrigin(const Window& w);  // top-left of the client area, screen
Window* TopLevelOf(Window* w);
// The deepest visible window under a screen point (shapes respected), without hit-testing.
HWND WindowUnderPoint(gfx::Point screen, const std::vector<HWND>* skip = nullptr);  // null for the desktop
// The window under a screen point that takes it: windows answering HTTRANSPARENT are passed
// through. Sends WM_NCHITTEST; the answer goes to *hit.
HWND HitTestUnderPoint(gfx::Point screen, LRESULT* hit);
bool IsVisibleChain(const Window& w);          // it and all its parents have WS_VISIBLE
// Top-left of the window rectangle in the surface of its top-level window.
gfx::Point SurfaceOrigin(const Window& w);

// Calls the window's procedure (the window stays alive during the call).
LRESULT CallProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A message stamped with the clock and the pointer; QueueInput puts one in the input queue.
MSG StampedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void QueueInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window core alone, in a fresh run: the desktop window and the state (the start-up adds the
// standard parts). Stopping destroys every window; the run's end frees the rest.
void StartWindowCore(Backend& backend);
void StopWindowCore();

}  // namespace plat
