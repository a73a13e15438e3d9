#pragma once

#include <vector>

#include "plat/handle.h"
#include "plat/messages.h"
#include "plat/types.h"

namespace plat {

// The guard of a nested message loop (menus, moving and sizing, dialogs, message boxes, a held
// mouse button). It lives on the loop's stack frame while the loop runs, and the loop's own state
// may live with it (a loop type derives from it; innermost<T>() finds the running one).
// The loop ends when its owner window goes or when the mouse it holds is taken by another window;
// either wakes a loop waiting for a message. On the way out, by return or by an exception, the
// guard gives back what the loop took: the capture, the windows it disabled, the windows it
// opened, and the activation.
class ModalLoop {
public:
    // `owner` null: only end() or a quit ends the loop.
    explicit ModalLoop(HWND owner);
    virtual ~ModalLoop();
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    HWND owner() const { return owner_; }
    HWND heldCapture() const { return capture_; }
    // False once the loop must return: ended, its owner gone, a quit taken, the system stopped.
    bool running() const;
    bool quitTaken() const { return quit_; }
    // Asks the loop to return; wakes it if it waits for a message.
    void end();
    // The next message, or false when the loop must return. A quit taken here is posted again
    // for the loop outside.
    bool next(MSG* msg);

    // Gives the mouse to `hwnd` (one of the loop's windows) until the loop ends.
    void holdCapture(HWND hwnd);
    // Keeps `hwnd` disabled while the loop runs (when it was enabled).
    void disable(HWND hwnd);
    // Destroys `hwnd` on the way out if it is still there.
    void closeOnExit(HWND hwnd);
    // Activates `hwnd` on the way out if it is still there.
    void activateOnExit(HWND hwnd);

    // Gives everything back now, in this order: capture, enabling, windows, activation. A loop
    // calls it when it returns, so that an error of a message sent on the way goes on to the
    // caller; every step is taken even when one throws.
    void leave();

    template <class Loop>
    static Loop* innermost()
    {
        const std::vector<ModalLoop*>& loops = Running();
        for (auto it = loops.rbegin(); it != loops.rend(); ++it)
            if (auto* loop = dynamic_cast<Loop*>(*it)) return loop;
        return nullptr;
    }
    // Innermost last.
    static const std::vector<ModalLoop*>& Running();

protected:
    // For destructors of derived loops that must give back before their own members go.
    void leaveQuietly() noexcept;

private:
    HWND owner_;
    HWND capture_;
    std::vector<HWND> disabled_;
    std::vector<HWND> opened_;
    HWND activate_;
    bool ended_ = false;
    bool quit_ = false;
};

}  // namespace plat
