#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// An icon is a colour bitmap plus a mask (1 bits: transparent, the colour is XORed onto the
// screen there; 0 bits: the colour replaces the screen). Both bitmaps are copied.
struct ICONINFO {
    BOOL fIcon = 1;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask;
    HBITMAP hbmColor;  // may be null: then the mask is twice the height (AND half, XOR half)
};

HICON CreateIconIndirect(const ICONINFO* info);
BOOL DestroyIcon(HICON icon);
// Fills with new copies of the icon's bitmaps, which the caller deletes.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
// Width and height of an icon; {0,0} for a stale handle.
SIZE IconSize(HICON icon);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// width/height 0: the icon's own size (or, with DI_DEFAULTSIZE, the system icon size).
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flickerFree,
                UINT flags);

}  // namespace plat
