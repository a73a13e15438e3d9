#include "plat/menus/system_menu.h"

#include "plat/input.h"
#include "plat/menus/menu.h"
#include "plat/menus/menu_store.h"
#include "plat/menus/menu_track.h"
#include "plat/menus/menu_window.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/state/run_state.h"
#include "plat/window.h"
#include "plat/window/default_handlers.h"
#include "plat/window/window_data.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

// A window's own copy of the system menu, made when first asked for and gone with the window.
struct SystemMenuCopy {
    HMENU menu;
    SystemMenuCopy() = default;
    SystemMenuCopy(const SystemMenuCopy&) = delete;
    SystemMenuCopy& operator=(const SystemMenuCopy&) = delete;
    ~SystemMenuCopy() { DestroyMenu(menu); }
};

HMENU MakeSystemMenu()
{
    HMENU m = CreatePopupMenu();
    AppendMenu(m, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenu(m, MF_STRING, SC_MOVE, "&Move");
    AppendMenu(m, MF_STRING, SC_SIZE, "&Size");
    AppendMenu(m, MF_STRING, SC_MINIMIZE, "Mi&nimize");
    AppendMenu(m, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    AppendMenu(m, MF_SEPARATOR, 0);
    AppendMenu(m, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    SetMenuDefaultItem(m, SC_CLOSE, FALSE);
    MarkSystemMenu(m, true);
    return m;
}

void Enable(HMENU m, UINT id, bool on) { EnableMenuItem(m, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); }

void UpdateStates(HWND hwnd, HMENU m)
{
    DWORD style = GetWindowStyle(hwnd);
    bool minimized = IsIconic(hwnd), maximized = IsZoomed(hwnd);
    Enable(m, SC_RESTORE, minimized || maximized);
    Enable(m, SC_MOVE, !maximized);
    Enable(m, SC_SIZE, (style & WS_THICKFRAME) && !minimized && !maximized);
    Enable(m, SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !minimized);
    Enable(m, SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !maximized);
    Enable(m, SC_CLOSE, CanCloseWindow(hwnd));
}

bool HasSystemMenu(HWND hwnd)
{
    DWORD style = GetWindowStyle(hwnd);
    return IsWindow(hwnd) && (style & WS_SYSMENU) && !(style & WS_CHILD);
}

void OnSystemMenuCommand(HWND hwnd, WPARAM command, LPARAM lParam)
{
    if (!HasSystemMenu(hwnd)) return;
    POINT at;
    if ((command & 0xFFF0) == SC_MOUSEMENU || (command & 0xFFF0) == SC_KEYMENU) {
        // Just below the caption icon, or the caption's left end when there is none.
        FrameLayout f = LayoutFrameOf(hwnd);
        RECT w = WindowRect(hwnd);
        at = {w.left + (f.icon.empty() ? f.caption.left : f.icon.left), w.top + f.caption.bottom};
    } else {
        at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    }
    ShowSystemMenu(hwnd, at);
}

// The handlers the system menu's own ones pass on to, as they were when it was installed.
struct PassedOn {
    DefaultHandler ncRButtonUp = nullptr;
    DefaultHandler contextMenu = nullptr;
};

PassedOn& Previous() { return RunPart<PassedOn>(); }

LRESULT Chain(DefaultHandler previous, HWND h, UINT m, WPARAM w, LPARAM l)
{
    return previous ? previous(h, m, w, l) : CoreDefWindowProc(h, m, w, l);
}

LRESULT OnNcRButtonUp(HWND hwnd, UINT m, WPARAM w, LPARAM l)
{
    if ((LRESULT(w) == HTCAPTION || LRESULT(w) == HTSYSMENU) && HasSystemMenu(hwnd)) {
        ShowSystemMenu(hwnd, {GET_X_LPARAM(l), GET_Y_LPARAM(l)});
        return 0;
    }
    return Chain(Previous().ncRButtonUp, hwnd, m, w, l);
}

LRESULT OnContextMenu(HWND hwnd, UINT m, WPARAM w, LPARAM l)
{
    // A context menu asked on the caption (by a window that forwards it) is the system menu.
    if (!(GetWindowStyle(hwnd) & WS_CHILD) && HasSystemMenu(hwnd) && l != -1) {
        LRESULT hit = SendMessage(hwnd, WM_NCHITTEST, 0, l);
        if (hit == HTCAPTION || hit == HTSYSMENU) {
            ShowSystemMenu(hwnd, {GET_X_LPARAM(l), GET_Y_LPARAM(l)});
            return 0;
        }
    }
    return Chain(Previous().contextMenu, hwnd, m, w, l);
}

template <DefaultHandler Mine>
void InstallOnce(UINT message, DefaultHandler& previous)
{
    if (GetDefaultHandler(message) == Mine) return;  // started again: keep the chain as it is
    previous = SetDefaultHandler(message, Mine);
}

}  // namespace

HMENU GetSystemMenu(HWND hwnd, BOOL revert)
{
    if (revert) {
        if (SystemMenuCopy* copy = FindWindowData<SystemMenuCopy>(hwnd)) {
            DestroyMenu(copy->menu);
            copy->menu = {};
        }
        return {};
    }
    SystemMenuCopy* copy = WindowData<SystemMenuCopy>(hwnd);
    if (!copy) return {};
    if (!IsMenu(copy->menu)) copy->menu = MakeSystemMenu();
    return copy->menu;
}

void ShowSystemMenu(HWND hwnd, POINT screen)
{
    if (!HasSystemMenu(hwnd)) return;
    HMENU m = GetSystemMenu(hwnd, FALSE);
    UpdateStates(hwnd, m);
    TrackPopupMenuEx(m, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, hwnd, nullptr);
}

void InstallMenus()
{
    RegisterMenuWindowClass();
    SetSystemMenuHandler(OnSystemMenuCommand);
    InstallOnce<OnNcRButtonUp>(WM_NCRBUTTONUP, Previous().ncRButtonUp);
    InstallOnce<OnContextMenu>(WM_CONTEXTMENU, Previous().contextMenu);
}

}  // namespace plat
