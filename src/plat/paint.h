#pragma once

#include "gfx/region.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Update regions. Rectangles and regions are in client coordinates; a null rectangle or region
// means the whole client area. Invalidating a parent without WS_CLIPCHILDREN invalidates the
// children it covers.
BOOL InvalidateRect(HWND hwnd, const RECT* r, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* r);
BOOL ValidateRgn(HWND hwnd, HRGN rgn);
BOOL GetUpdateRect(HWND hwnd, RECT* r, BOOL erase);  // whether there is anything to paint
int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL UpdateWindow(HWND hwnd);  // paints now when there is an update region

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;
// With RDW_FRAME the rectangle/region may reach into the frame (window coordinates are then
// client coordinates extended past the client area).
BOOL RedrawWindow(HWND hwnd, const RECT* r, HRGN rgn, UINT flags);

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase = 0;  // the background still needs erasing (WM_ERASEBKGND answered 0)
    RECT rcPaint;
};
// Sends WM_NCPAINT when the frame is invalid and WM_ERASEBKGND when erasing was asked, then
// validates; the DC is clipped to the update region.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

// Device contexts of windows. GetDC: the client area; GetWindowDC: the whole window, frame
// included; null window: the screen (what the desktop shows, for reading). ReleaseDC frees them.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_INTERSECTUPDATE = 0x00000200;
// clip: a region in screen coordinates for DCX_EXCLUDERGN / DCX_INTERSECTRGN (it stays the caller's).
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

// Window regions in window coordinates (the top-left of the window rectangle is 0, 0). The
// system owns the region after SetWindowRgn; a null region makes the window rectangular again.
int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN rgn);  // copies into rgn; ERROR when the window has none
// The same for callers that hold gfx regions; null removes the shape.
BOOL SetWindowRegion(HWND hwnd, const gfx::Region* region, BOOL redraw);
const gfx::Region* GetWindowRegion(HWND hwnd);

// Sends WM_PRINT with the given flags into a DC of the caller (window coordinates).
BOOL PrintWindow(HWND hwnd, HDC dc, UINT flags);

// Moves client pixels and invalidates what is uncovered.
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, RECT* updateRect,
                   UINT flags);

}  // namespace plat
