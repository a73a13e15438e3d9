#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Filled and outlined areas. Rectangles are logical; right and bottom are exclusive.
int FillRect(HDC dc, const RECT* r, HBRUSH brush);
int FrameRect(HDC dc, const RECT* r, HBRUSH brush);  // a one-pixel frame
BOOL InvertRect(HDC dc, const RECT* r);
BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush);        // regions are in logical coordinates
BOOL FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height);
BOOL PaintRgn(HDC dc, HRGN rgn);                     // with the selected brush
BOOL InvertRgn(HDC dc, HRGN rgn);
// Outline with the selected pen, inside with the selected brush.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// Dotted XOR outline: drawing it twice restores the pixels.
BOOL DrawFocusRect(HDC dc, const RECT* r);

COLORREF SetPixel(HDC dc, int x, int y, COLORREF c);  // the colour set; CLR_INVALID if clipped
BOOL SetPixelV(HDC dc, int x, int y, COLORREF c);
COLORREF GetPixel(HDC dc, int x, int y);             // CLR_INVALID outside the visible area

}  // namespace plat
