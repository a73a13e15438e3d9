#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Focus and activation. SetFocus sends WM_KILLFOCUS then WM_SETFOCUS and activates the top-level
// window holding the new focus. Activation calls the creation hook (HCBT_ACTIVATE), then sends
// WM_NCACTIVATE / WM_ACTIVATE to the old window, raises the new one and sends it WM_ACTIVATEAPP
// (first activation), WM_NCACTIVATE and WM_ACTIVATE.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// A disabled window gets no mouse or keyboard input; WM_ENABLE tells it of a change.
BOOL EnableWindow(HWND hwnd, BOOL enable);  // whether it was disabled before
BOOL IsWindowEnabled(HWND hwnd);

// Mouse capture: every mouse message goes to the capturing window as a client message.
// Losing capture sends WM_CAPTURECHANGED (lParam: the new capturing window's handle value).
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Mouse-leave tracking: one WM_MOUSELEAVE (client) or WM_NCMOUSELEAVE (TME_NONCLIENT) when the
// pointer leaves that part of the window; the tracking ends with it.
constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
struct TRACKMOUSEEVENT {
    DWORD dwFlags = 0;
    HWND hwndTrack;
    DWORD dwHoverTime = 0;
};
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);

// Keys: high bit set (negative) while down; low bit toggles on each press.
std::int16_t GetKeyState(int virtualKey);
std::int16_t GetAsyncKeyState(int virtualKey);
UINT GetDoubleClickTime();

// The pointer
BOOL GetCursorPos(POINT* p);
BOOL SetCursorPos(int x, int y);  // moves the pointer as the user would (messages follow)
constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;
HCURSOR LoadCursor(int standardId);  // the shared standard cursors
HCURSOR SetCursor(HCURSOR cursor);   // the previous one
HCURSOR GetCursor();
int StandardCursorId(HCURSOR cursor);  // 0 when not a standard cursor

// The caret: one per thread, drawn inverted over the owner's client area while shown.
BOOL CreateCaret(HWND hwnd, HBITMAP shape, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* p);
UINT GetCaretBlinkTime();

}  // namespace plat
