#include "plat/modal_loop.h"

#include <algorithm>
#include <utility>

#include "base/first_error.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/window.h"
#include "plat/window/modal_loop_events.h"
#include "plat/window/window_state.h"

namespace plat {

ModalLoop::ModalLoop(HWND owner) : owner_(owner)
{
    if (owner && !IsWindow(owner)) ended_ = true;
    State().modalLoops.push_back(this);
}

ModalLoop::~ModalLoop()
{
    leaveQuietly();
    std::erase(State().modalLoops, this);
}

const std::vector<ModalLoop*>& ModalLoop::Running() { return State().modalLoops; }

bool ModalLoop::running() const
{
    if (ended_ || quit_ || !StateRunning()) return false;
    if (owner_ && !IsWindow(owner_)) return false;
    return !capture_ || GetCapture() == capture_;
}

void ModalLoop::end()
{
    if (ended_) return;
    ended_ = true;
    PostMessage({}, WM_NULL, 0, 0);  // a loop waiting in GetMessage wakes and looks again
}

bool ModalLoop::next(MSG* msg)
{
    if (!running()) return false;
    if (!GetMessage(msg)) {
        quit_ = true;
        PostQuitMessage(int(msg->wParam));
        return false;
    }
    return true;
}

void ModalLoop::holdCapture(HWND hwnd)
{
    capture_ = hwnd;  // before the move, so that hearing of it does not end this loop
    SetCapture(hwnd);
    if (GetCapture() != hwnd) {
        capture_ = {};
        end();
    }
}

void ModalLoop::disable(HWND hwnd)
{
    if (!IsWindow(hwnd) || !IsWindowEnabled(hwnd)) return;
    disabled_.push_back(hwnd);
    EnableWindow(hwnd, FALSE);
}

void ModalLoop::closeOnExit(HWND hwnd) { opened_.push_back(hwnd); }

void ModalLoop::activateOnExit(HWND hwnd) { activate_ = hwnd; }

void ModalLoop::leave()
{
    base::FirstError error;
    if (HWND held = std::exchange(capture_, {}); held && GetCapture() == held) error.run([] { ReleaseCapture(); });
    for (HWND h : std::exchange(disabled_, {}))
        if (IsWindow(h)) error.run([h] { EnableWindow(h, TRUE); });
    std::vector<HWND> opened = std::exchange(opened_, {});
    for (auto it = opened.rbegin(); it != opened.rend(); ++it)
        if (IsWindow(*it)) error.run([h = *it] { DestroyWindow(h); });
    if (HWND h = std::exchange(activate_, {}); IsWindow(h)) error.run([h] { SetActiveWindow(h); });
    error.rethrow();
}

void ModalLoop::leaveQuietly() noexcept
{
    try {
        leave();
    } catch (...) {
        // The exception that ends the loop goes on; one from giving back cannot go with it.
    }
}

void ModalLoopsWindowGone(HWND gone)
{
    std::vector<ModalLoop*> loops = State().modalLoops;
    for (ModalLoop* loop : loops)
        if (loop->owner() == gone) loop->end();
}

void ModalLoopsCaptureMoved(HWND now)
{
    std::vector<ModalLoop*> loops = State().modalLoops;
    for (ModalLoop* loop : loops)
        if (loop->heldCapture() && loop->heldCapture() != now) loop->end();
}

}  // namespace plat
