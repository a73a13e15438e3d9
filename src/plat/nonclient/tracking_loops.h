#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Modal loops that hold the mouse until the left button comes up.
// Moving (SC_MOVE) or sizing (SC_SIZE + WMSZ edge) with live updates.
void RunMoveSizeLoop(HWND hwnd, WPARAM command, POINT screenStart);
// Holds a caption button pressed while the pointer is over it; true when released over it.
bool TrackCaptionButton(HWND hwnd, LRESULT hitCode);
// Arrow and track clicks with auto-repeat, and thumb dragging, sending WM_HSCROLL / WM_VSCROLL.
void TrackScrollBar(HWND hwnd, int bar, POINT screenStart);

// Auto-repeat of held scroll-bar parts.
constexpr UINT kScrollFirstRepeatMs = 400;
constexpr UINT kScrollRepeatMs = 50;

}  // namespace plat
