#include "plat/menus/menu_window.h"

#include "plat/gdi/gdi.h"
#include "plat/hook.h"
#include "plat/input.h"
#include "plat/menus/menu_track.h"
#include "plat/paint.h"
#include "plat/window.h"

namespace plat {

namespace {

LRESULT MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        SetWindowLongPtr(hwnd, GWLP_USERDATA, LONG_PTR(cs->lpCreateParams));
        return TRUE;
    }
    case WM_NCCALCSIZE: return 0;  // the items' border is drawn in the client area
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DESTROY: MenuWindowGone(hwnd); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (MenuLevel* level = MenuLevelOf(hwnd)) DrawMenu(dc, level->menu, level->owner, level->layout, level->selected);
        EndPaint(hwnd, &ps);
        return 0;
    }
    default: return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterMenuWindowClass()
{
    WNDCLASSEX wc;
    wc.lpfnWndProc = MenuWindowProc;
    wc.lpszClassName = kMenuClassName;
    wc.style = CS_SAVEBITS;
    wc.hCursor = LoadCursor(IDC_ARROW);
    RegisterClassEx(wc);
}

MenuLevel* MenuLevelOf(HWND menuWindow)
{
    if (GetClassName(menuWindow) != kMenuClassName) return nullptr;
    return reinterpret_cast<MenuLevel*>(GetWindowLongPtr(menuWindow, GWLP_USERDATA));
}

}  // namespace plat
