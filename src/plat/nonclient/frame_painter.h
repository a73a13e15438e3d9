#pragma once

#include "plat/handle.h"
#include "plat/nonclient/frame_layout.h"

namespace plat {

// The plain frame: borders, caption with icon, title and buttons, client edge, scroll bars.
// The DC's origin is the window's top-left.
void DrawPlainFrame(HWND hwnd, HDC dc);
void DrawCaption(HWND hwnd, HDC dc, const FrameLayout& f, LRESULT pressedButton);
void DrawScrollBar(HWND hwnd, HDC dc, const FrameLayout& f, int bar);

// Repaints straight into the window DC (when the window is visible).
void RedrawCaptionNow(HWND hwnd, LRESULT pressedButton = 0);
void RedrawScrollBarNow(HWND hwnd, int bar);

}  // namespace plat
