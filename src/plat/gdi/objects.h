#pragma once

#include <memory>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Drawing objects: bitmaps, brushes, pens, fonts (regions: regions.h, icons: icons.h).
// Creation never fails for sane input; bad sizes give a null handle.

// Bitmaps. CreateCompatibleBitmap makes a 32-bit bitmap, except that a memory DC holding a mono
// bitmap (as a fresh one does) gives a mono one, as classic; a null DC stands for the screen.
// Bitmaps start black (mono ones too).
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// Top-down when biHeight < 0. *bitsOut receives the lowest address of the pixel store.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bitsOut, void* section = nullptr,
                         DWORD offset = 0);
// The pixels behind a bitmap handle; null for a stale or non-bitmap handle.
gfx::Bitmap* BitmapPixels(HBITMAP bitmap);
// Wraps an existing gfx::Bitmap as a new bitmap object.
HBITMAP CreateBitmapFromPixels(gfx::Bitmap pixels);

// Brushes
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP pattern);  // the pattern's pixels are copied
HBRUSH CreateBrushIndirect(const LOGBRUSH* lb);
HBRUSH GetSysColorBrush(int index);          // shared, never deleted

// Pens. Width 0 is drawn as 1.
HPEN CreatePen(int style, int width, COLORREF color);

// Fonts
HFONT CreateFontIndirect(const LOGFONT* lf);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const char* face);
// The gfx font behind a font handle; null for a stale or non-font handle.
std::shared_ptr<gfx::Font> FontOf(HFONT font);

// Generic
HGDIOBJ GetStockObject(int which);
// FALSE for stale handles, stock objects and objects selected into a DC.
BOOL DeleteObject(HGDIOBJ object);
// Fills a BITMAP, LOGBRUSH, LOGPEN or LOGFONT by the object's kind; returns the bytes written or 0.
int GetObject(HGDIOBJ object, int size, void* out);
UINT GetObjectType(HGDIOBJ object);  // OBJ_*; 0 for a stale handle

}  // namespace plat
