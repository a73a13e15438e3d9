#pragma once

#include <memory>

#include "plat/gdi/objects.h"
#include "plat/input.h"
#include "plat/messages.h"
#include "plat/window.h"

namespace plat {

// A control keeps its state behind a pointer in the first extra bytes of its window: made on
// WM_NCCREATE, freed after the control has seen WM_NCDESTROY. Register the class with
// cbWndExtra = kControlStateBytes and lpfnWndProc = ControlProc<State, Handle>.
inline constexpr int kControlStateBytes = sizeof(void*);

template <class State>
State* ControlStateOf(HWND hwnd)
{
    return reinterpret_cast<State*>(GetWindowLongPtr(hwnd, 0));
}

// Handle gets every message from WM_NCCREATE on (WM_NCCREATE itself included) with the state.
// Messages before the state exists or after it is gone go to DefWindowProc.
template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE && !ControlStateOf<State>(hwnd))
        SetWindowLongPtr(hwnd, 0, LONG_PTR(new State));
    State* state = ControlStateOf<State>(hwnd);
    if (!state) return DefWindowProc(hwnd, msg, wParam, lParam);
    if (msg != WM_NCDESTROY) return Handle(hwnd, *state, msg, wParam, lParam);
    // Detach first so that nothing reached from the last message finds a dying state.
    SetWindowLongPtr(hwnd, 0, 0);
    std::unique_ptr<State> owned(state);
    return Handle(hwnd, *state, msg, wParam, lParam);
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
