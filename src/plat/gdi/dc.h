#pragma once

#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Device contexts and their state. Memory DCs start with a 1x1 mono bitmap selected.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);

// Returns the previous object of the same kind, or a null handle on failure. Selecting a region
// sets the clip region and returns its type.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
inline HBITMAP SelectObject(HDC dc, HBITMAP b) { return HBITMAP(SelectObject(dc, HGDIOBJ(b))); }
inline HFONT SelectObject(HDC dc, HFONT f) { return HFONT(SelectObject(dc, HGDIOBJ(f))); }
inline HBRUSH SelectObject(HDC dc, HBRUSH b) { return HBRUSH(SelectObject(dc, HGDIOBJ(b))); }
inline HPEN SelectObject(HDC dc, HPEN p) { return HPEN(SelectObject(dc, HGDIOBJ(p))); }
HGDIOBJ GetCurrentObject(HDC dc, UINT kind);  // OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP

COLORREF SetTextColor(HDC dc, COLORREF c);  // these return the previous value, CLR_INVALID on a bad DC
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF c);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);            // previous mode, 0 on failure
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);     // previous alignment, GDI_ERROR on failure
UINT GetTextAlign(HDC dc);
COLORREF SetDCBrushColor(HDC dc, COLORREF c);
COLORREF SetDCPenColor(HDC dc, COLORREF c);

// Saved states form a stack; RestoreDC(dc, -1) restores the last one, a positive level restores
// that numbered save and drops the later ones.
int SaveDC(HDC dc);  // the new level, 0 on failure
BOOL RestoreDC(HDC dc, int level);

// Logical -> device: device = logical - windowOrg + viewportOrg.
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC dc, POINT* origin);
BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);

// Clipping. Clip regions are in device coordinates; clip rectangles in logical ones.
// These return the type of the resulting clip area (NULLREGION...), ERROR on failure.
int SelectClipRgn(HDC dc, HRGN rgn);  // null: no clip region
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
int GetClipBox(HDC dc, RECT* box);  // logical bounds of what may be drawn
// Copies the clip region (device coordinates) into rgn: 1 if there is one, 0 if none, -1 on error.
int GetClipRgn(HDC dc, HRGN rgn);
BOOL PtVisible(HDC dc, int x, int y);
BOOL RectVisible(HDC dc, const RECT* r);

int GetDeviceCaps(HDC dc, int index);

}  // namespace plat
