#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// What the plain frame keeps per window: the two scroll bars and whether the caption is active.
struct ScrollBarState {
    int min = 0, max = 100, pos = 0, trackPos = 0;
    UINT page = 0;
    UINT disabled = 0;  // ESB_DISABLE_* bits
    int pressedPart = -1;  // drawn pressed while the mouse holds it
};
struct NonClientState {
    ScrollBarState horz, vert;
    bool active = false;
    bool closeDisabled = false;  // the close box and SC_CLOSE do nothing (a box with no way to cancel)
};
// Kept on the window; for a handle whose window is gone, a blank state that nothing keeps.
NonClientState& NonClientStateOf(HWND hwnd);

// Thumb and parts of a bar of `length` pixels along it (arrows `arrow` long each).
struct ScrollGeometry {
    int arrow = 0;      // painted length of each arrow
    int thumbStart = 0; // from the bar's start; thumbLength 0: no thumb
    int thumbLength = 0;
    int track = 0;      // length between the arrows
};
ScrollGeometry GeometryFor(const ScrollBarState& s, int length, int arrowSize);
// 0 first arrow, 1 second arrow, 2 track before the thumb, 3 track after it, 5 thumb, -1 none.
int PartAt(const ScrollGeometry& g, int length, int along);
// The position for a thumb whose start is `thumbStart` pixels from the bar's start.
int PositionForThumb(const ScrollBarState& s, const ScrollGeometry& g, int thumbStart);
bool Scrollable(const ScrollBarState& s);

}  // namespace plat
