#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Lines with the selected pen and the DC's ROP2; the last point of each segment is not drawn.
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines);

}  // namespace plat
