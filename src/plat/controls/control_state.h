#pragma once

#include "plat/gdi/objects.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/messages.h"
#include "plat/window.h"

namespace plat {

// A control keeps its state behind a pointer in the first extra bytes of its window: made on
// WM_NCCREATE, detached on WM_NCDESTROY. Register the class with cbWndExtra = kControlStateBytes
// and lpfnWndProc = ControlProc<State, Handle>.
inline constexpr int kControlStateBytes = sizeof(void*);

// The state with the number of the control's messages being handled right now. A parent may
// destroy the control inside any notification the control sends; the handler that sent it still
// holds the state, so the state is freed only when the outermost message returns.
template <class State>
struct ControlStateSlot {
    State state;
    int handling = 0;
    bool detached = false;
};

template <class State>
ControlStateSlot<State>* ControlStateSlotOf(HWND hwnd)
{
    return reinterpret_cast<ControlStateSlot<State>*>(GetWindowLongPtr(hwnd, 0));
}

// Handle gets every message from WM_NCCREATE on (WM_NCCREATE itself included) with the state.
// Messages before the state exists or after it is gone go to DefWindowProc.
template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    using Slot = ControlStateSlot<State>;
    if (msg == WM_NCCREATE && !ControlStateSlotOf<State>(hwnd)) SetWindowLongPtr(hwnd, 0, LONG_PTR(new Slot));
    Slot* slot = ControlStateSlotOf<State>(hwnd);
    if (!slot) return DefWindowProc(hwnd, msg, wParam, lParam);
    struct Hold {
        Slot* slot;
        explicit Hold(Slot* s) : slot(s) { ++slot->handling; }
        ~Hold()
        {
            if (--slot->handling == 0 && slot->detached) delete slot;
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
    } hold(slot);
    if (msg == WM_NCDESTROY) {
        // Detach first so that nothing reached from the last message finds a dying state.
        SetWindowLongPtr(hwnd, 0, 0);
        slot->detached = true;
    }
    return Handle(hwnd, slot->state, msg, wParam, lParam);
}

// Tells the parent with WM_COMMAND; answers whether the control is still there afterwards
// (the parent may have destroyed it), so the caller can stop at once when it is not.
inline bool NotifyParent(HWND hwnd, WORD code)
{
    HWND parent = GetParent(hwnd);
    if (parent) SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), LPARAM(hwnd.value));
    return IsWindow(hwnd);
}

// The font a control draws with: the one it was given by WM_SETFONT while that is alive, else the
// default GUI font.
inline HFONT ControlFont(HFONT given)
{
    return GetObjectType(given) == OBJ_FONT ? given : HFONT(GetStockObject(DEFAULT_GUI_FONT));
}

// Registers a control class whose windows keep a State handled by Handle.
template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
void RegisterControlClass(const char* name, int cursorId, UINT extraClassStyle = 0)
{
    WNDCLASSEX wc;
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS | extraClassStyle;
    wc.lpfnWndProc = ControlProc<State, Handle>;
    wc.cbWndExtra = kControlStateBytes;
    wc.hCursor = LoadCursor(cursorId);
    wc.lpszClassName = name;
    RegisterClassEx(wc);
}

}  // namespace plat
