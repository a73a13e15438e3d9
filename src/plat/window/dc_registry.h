#pragma once

#include "gfx/region.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// The DCs handed out for windows. They are kept up to date when windows move, resize, change
// shape or go away, so a DC never draws outside its window or into a freed surface.
enum class WindowDcKind { Client, Window, Screen };
struct WindowDcClip {
    gfx::Region region;  // surface coordinates
    bool active = false;
};
HDC OpenWindowDC(HWND hwnd, WindowDcKind kind, DWORD dcxFlags, WindowDcClip clip = {});
BOOL CloseWindowDC(HDC dc);
HWND WindowOfDC(HDC dc);
void RefreshWindowDCs();
void ReleaseAllWindowDCs();
// Marks what a DC could have touched as changed on screen.
void NoteDamage(HWND topLevel, const gfx::Region& surfaceArea);

}  // namespace plat
