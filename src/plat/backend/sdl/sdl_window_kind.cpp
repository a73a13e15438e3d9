#include "plat/backend/sdl/sdl_window_kind.h"

#include "plat/window.h"
#include "plat/window_styles.h"

namespace plat {

WindowKind KindOfWindow(HWND hwnd)
{
    WindowKind k;
    DWORD style = GetWindowStyle(hwnd), ex = GetWindowExStyle(hwnd);
    k.owner = GetWindow(hwnd, GW_OWNER);
    k.topMost = (ex & WS_EX_TOPMOST) != 0;
    // The menu class, or what looks like a tip or menu: a caption-less top-most tool pop-up.
    k.popupMenu = GetClassName(hwnd) == "#32768" ||
                  ((style & WS_POPUP) && !(style & WS_CAPTION) && (ex & WS_EX_TOOLWINDOW) && (ex & WS_EX_TOPMOST));
    k.inTaskBar = !k.popupMenu && ((ex & WS_EX_APPWINDOW) || (!k.owner && !(ex & WS_EX_TOOLWINDOW)));
    return k;
}

}  // namespace plat
