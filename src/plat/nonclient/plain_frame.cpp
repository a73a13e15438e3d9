#include "plat/nonclient/plain_frame.h"

#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/messages.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/frame_painter.h"
#include "plat/nonclient/scroll_state.h"
#include "plat/nonclient/tracking_loops.h"
#include "plat/paint.h"
#include "plat/state/run_state.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window/default_handlers.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

// Who opens the system menu (the menus part, when installed in this run).
struct SystemMenuRoute {
    SystemMenuHandler handler = nullptr;
};

POINT PointOf(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

FrameLayout LayoutFor(const RECT& windowRect, HWND hwnd)
{
    return LayoutFrame({0, 0, windowRect.width(), windowRect.height()}, GetWindowStyle(hwnd), GetWindowExStyle(hwnd));
}

LRESULT OnNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (!r) return 0;
    FrameLayout f = LayoutFor(*r, hwnd);
    *r = f.client.offset(r->left, r->top);
    return 0;
}

LRESULT OnNcHitTest(HWND hwnd, WPARAM, LPARAM lParam)
{
    RECT w = WindowRect(hwnd);
    POINT p = PointOf(lParam);
    return HitTestFrame(LayoutFrameOf(hwnd), {p.x - w.left, p.y - w.top}, GetWindowStyle(hwnd));
}


LRESULT OnNcLButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    LRESULT code = LRESULT(wParam);
    DWORD style = GetWindowStyle(hwnd);
    if (code == HTCAPTION) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
    } else if (code >= HTLEFT && code <= HTBOTTOMRIGHT) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE | WPARAM(code - HTLEFT + 1), lParam);
    } else if (code == HTSYSMENU) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU | HTSYSMENU, lParam);
    } else if (code == HTVSCROLL) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_VSCROLL | HTVSCROLL, lParam);
    } else if (code == HTHSCROLL) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_HSCROLL | HTHSCROLL, lParam);
    } else if (code == HTCLOSE || code == HTMAXBUTTON || code == HTMINBUTTON || code == HTHELP) {
        if (code == HTCLOSE && !CanCloseWindow(hwnd)) return 0;
        if (code == HTMAXBUTTON && !(style & WS_MAXIMIZEBOX)) return 0;
        if (code == HTMINBUTTON && !(style & WS_MINIMIZEBOX)) return 0;
        if (!TrackCaptionButton(hwnd, code) || !IsWindow(hwnd)) return 0;
        WPARAM command = code == HTCLOSE ? SC_CLOSE
                         : code == HTHELP ? SC_CONTEXTHELP
                         : code == HTMINBUTTON ? (IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE)
                                               : (IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE);
        POINT p;
        GetCursorPos(&p);
        SendMessage(hwnd, WM_SYSCOMMAND, command, MAKELPARAM(p.x, p.y));
    } else {
        return CoreDefWindowProc(hwnd, WM_NCLBUTTONDOWN, wParam, lParam);
    }
    return 0;
}

LRESULT OnNcLButtonDblClk(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    LRESULT code = LRESULT(wParam);
    DWORD style = GetWindowStyle(hwnd);
    if (code == HTCAPTION) {
        if (style & WS_MINIMIZE) SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, lParam);
        else if (style & WS_MAXIMIZEBOX)
            SendMessage(hwnd, WM_SYSCOMMAND, (style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return 0;
    }
    if (code == HTSYSMENU) {
        if (CanCloseWindow(hwnd)) SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
        return 0;
    }
    if (code == HTVSCROLL || code == HTHSCROLL) return OnNcLButtonDown(hwnd, wParam, lParam);
    return CoreDefWindowProc(hwnd, WM_NCLBUTTONDBLCLK, wParam, lParam);
}

LRESULT OnSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    WPARAM command = wParam & 0xFFF0;
    switch (command) {
    case SC_MOVE:
    case SC_SIZE: {
        POINT p;
        GetCursorPos(&p);
        RunMoveSizeLoop(hwnd, wParam, p);
        return 0;
    }
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    case SC_CLOSE:
        if (CanCloseWindow(hwnd)) SendMessage(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case SC_VSCROLL:
    case SC_HSCROLL: {
        POINT p = PointOf(lParam);
        TrackScrollBar(hwnd, command == SC_VSCROLL ? SB_VERT : SB_HORZ, p);
        return 0;
    }
    case SC_KEYMENU:
    case SC_MOUSEMENU: {
        SystemMenuHandler open = RunPart<SystemMenuRoute>().handler;
        if (open && (command == SC_MOUSEMENU || lParam == ' ')) open(hwnd, wParam, lParam);
        return 0;
    }
    default: return CoreDefWindowProc(hwnd, WM_SYSCOMMAND, wParam, lParam);
    }
}

HWND RootOf(HWND hwnd)
{
    HWND root = GetAncestor(hwnd, GA_ROOT);
    return root ? root : hwnd;
}

LRESULT OnSysKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (wParam == VK_F4 && (GetKeyState(int(VK_MENU)) < 0)) {
        SendMessage(RootOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return CoreDefWindowProc(hwnd, WM_SYSKEYDOWN, wParam, lParam);
}

LRESULT OnSysChar(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (wParam == ' ') {
        SendMessage(RootOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        return 0;
    }
    return CoreDefWindowProc(hwnd, WM_SYSCHAR, wParam, lParam);
}

LRESULT OnNcActivate(HWND hwnd, WPARAM wParam, LPARAM)
{
    NonClientStateOf(hwnd).active = wParam != 0;
    if (IsWindowVisible(hwnd)) {
        HDC dc = GetWindowDC(hwnd);
        if (dc) {
            GetFrameDrawer()(hwnd, dc);
            ReleaseDC(hwnd, dc);
        }
    }
    return TRUE;
}

LRESULT OnSetText(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    LRESULT r = CoreDefWindowProc(hwnd, WM_SETTEXT, wParam, lParam);
    if ((GetWindowStyle(hwnd) & WS_CAPTION) == WS_CAPTION) RedrawCaptionNow(hwnd);
    return r;
}

LRESULT OnClose(HWND hwnd, WPARAM, LPARAM)
{
    DestroyWindow(hwnd);
    return 0;
}

LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    int id = 0;
    switch (LRESULT(std::int16_t(LOWORD(WPARAM(lParam))))) {
    case HTLEFT:
    case HTRIGHT: id = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: id = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: id = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: id = IDC_SIZENESW; break;
    default: return CoreDefWindowProc(hwnd, WM_SETCURSOR, wParam, lParam);
    }
    SetCursor(LoadCursor(id));
    return TRUE;
}

template <LRESULT (*F)(HWND, WPARAM, LPARAM)>
LRESULT Handler(HWND hwnd, UINT, WPARAM wParam, LPARAM lParam)
{
    return F(hwnd, wParam, lParam);
}

}  // namespace

void SetSystemMenuHandler(SystemMenuHandler handler) { RunPart<SystemMenuRoute>().handler = handler; }

bool CanCloseWindow(HWND hwnd)
{
    return !(GetClassLongPtr(hwnd, GCL_STYLE) & CS_NOCLOSE) && !NonClientStateOf(hwnd).closeDisabled;
}

void EnableWindowClose(HWND hwnd, bool enable)
{
    if (!IsWindow(hwnd)) return;
    NonClientStateOf(hwnd).closeDisabled = !enable;
    RedrawCaptionNow(hwnd);
}

void InstallPlainFrame()
{
    SetFrameDrawer(DrawPlainFrame);
    SetDefaultHandler(WM_NCCALCSIZE, Handler<OnNcCalcSize>);
    SetDefaultHandler(WM_NCHITTEST, Handler<OnNcHitTest>);
    SetDefaultHandler(WM_NCLBUTTONDOWN, Handler<OnNcLButtonDown>);
    SetDefaultHandler(WM_NCLBUTTONDBLCLK, Handler<OnNcLButtonDblClk>);
    SetDefaultHandler(WM_SYSCOMMAND, Handler<OnSysCommand>);
    SetDefaultHandler(WM_SYSKEYDOWN, Handler<OnSysKeyDown>);
    SetDefaultHandler(WM_SYSCHAR, Handler<OnSysChar>);
    SetDefaultHandler(WM_NCACTIVATE, Handler<OnNcActivate>);
    SetDefaultHandler(WM_SETTEXT, Handler<OnSetText>);
    SetDefaultHandler(WM_CLOSE, Handler<OnClose>);
    SetDefaultHandler(WM_SETCURSOR, Handler<OnSetCursor>);
}

}  // namespace plat
