#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// SetWindowPos flags
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr UINT SWP_NOCOPYBITS = 0x0100;
constexpr UINT SWP_NOOWNERZORDER = 0x0200;
constexpr UINT SWP_NOSENDCHANGING = 0x0400;
constexpr UINT SWP_DRAWFRAME = SWP_FRAMECHANGED;
constexpr UINT SWP_NOREPOSITION = SWP_NOOWNERZORDER;

// Special insert-after values for SetWindowPos.
inline const HWND HWND_TOP{0};
inline const HWND HWND_BOTTOM{1};
inline const HWND HWND_TOPMOST{std::uint64_t(-1)};
inline const HWND HWND_NOTOPMOST{std::uint64_t(-2)};

// ShowWindow commands
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// Moves, sizes, reorders, shows or hides, with WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED (and
// WM_MOVE / WM_SIZE from the default procedure). x, y are in the parent's client coordinates.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND hwnd, int command);  // whether it was visible before
BOOL BringWindowToTop(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);  // it and all its parents are shown
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
// The frame of a window of these styles around a client rectangle (caption, borders, scroll bars).
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);

// Rectangles: the window rectangle in screen coordinates, the client one from (0, 0).
BOOL GetWindowRect(HWND hwnd, RECT* r);
BOOL GetClientRect(HWND hwnd, RECT* r);
RECT WindowRect(HWND hwnd);
RECT ClientRect(HWND hwnd);
BOOL ClientToScreen(HWND hwnd, POINT* p);
BOOL ScreenToClient(HWND hwnd, POINT* p);
// From the client coordinates of `from` to those of `to` (null: the screen).
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
inline int MapWindowRect(HWND from, HWND to, RECT* r) { return MapWindowPoints(from, to, reinterpret_cast<POINT*>(r), 2); }

// The visible, enabled-or-not window under a screen point (regions respected, HTTRANSPARENT skipped).
HWND WindowFromPoint(POINT screen);
// The child of `parent` (client coordinates) under a point, or parent itself, or null outside.
constexpr UINT CWP_ALL = 0;
constexpr UINT CWP_SKIPINVISIBLE = 1;
constexpr UINT CWP_SKIPDISABLED = 2;
HWND ChildWindowFromPointEx(HWND parent, POINT client, UINT flags);
inline HWND ChildWindowFromPoint(HWND parent, POINT client) { return ChildWindowFromPointEx(parent, client, CWP_ALL); }

// The screen: one monitor; the work area (GetWorkArea in plat/system/sys_metrics.h) leaves out
// the task bar.
RECT GetScreenRect();
struct HMONITOR_ {};
using HMONITOR = const HMONITOR_*;
constexpr DWORD MONITORINFOF_PRIMARY = 1;
struct MONITORINFO {
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags = 0;
};
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags = 0);
HMONITOR MonitorFromPoint(POINT p, DWORD flags = 0);
BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info);

}  // namespace plat
