#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Where the parts of the plain frame lie, in window coordinates (0, 0 is the window's top-left).
// Empty rectangles mean the styles give no such part.
struct FrameLayout {
    RECT box;             // the whole window
    int border = 0;       // outer border on each side
    bool sizeable = false;
    RECT caption;         // the caption band, without its bottom separator line
    bool smallCaption = false;
    RECT icon, close, maximize, minimize, help;
    RECT clientEdge;      // inside the border: client area, scroll bars and size box
    RECT vscroll, hscroll, sizeBox;
    RECT client;
};
FrameLayout LayoutFrame(const RECT& windowBox, DWORD style, DWORD exStyle, UINT classStyle = 0);
FrameLayout LayoutFrameOf(HWND hwnd);

// The WM_NCHITTEST answer for a point in window coordinates.
LRESULT HitTestFrame(const FrameLayout& f, POINT p, DWORD style);

}  // namespace plat
