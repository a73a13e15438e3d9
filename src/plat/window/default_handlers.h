#pragma once

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// DefWindowProc looks here first: code added later (the plain frame, caption buttons, moving and
// sizing, the system menu, scroll bars) installs its handlers at start-up instead of editing the
// default procedure. A handler may call CoreDefWindowProc for what it leaves alone, or the handler
// it replaced (a skin chains to the plain frame that way).
using DefaultHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
// Returns the handler it replaces (null when there was none); a null handler removes it.
DefaultHandler SetDefaultHandler(UINT message, DefaultHandler handler);
DefaultHandler GetDefaultHandler(UINT message);

// Draws the frame (borders, caption, scroll bars) into a DC whose origin is the window's top-left;
// used by WM_NCPAINT and WM_PRINT. The built-in one is a simple plain frame.
using FrameDrawer = void (*)(HWND, HDC);
void SetFrameDrawer(FrameDrawer drawer);  // null puts the built-in one back
FrameDrawer GetFrameDrawer();

// The built-in defaults, without the installed handlers.
LRESULT CoreDefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace plat
