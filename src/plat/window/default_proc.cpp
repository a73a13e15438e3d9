#include <algorithm>
#include <cstring>
#include <map>

#include "base/utf8.h"
#include "plat/gdi/dc.h"
#include "plat/gdi/objects.h"
#include "plat/gdi/shapes.h"
#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/paint.h"
#include "plat/state/run_state.h"
#include "plat/system/sys_colors.h"
#include "plat/virtual_keys.h"
#include "plat/window/default_handlers.h"
#include "plat/window/frame_metrics.h"
#include "plat/window/window_state.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

// Without the plain frame installed a window still shows where its borders are.
void DrawSimpleFrame(HWND hwnd, HDC dc)
{
    Window* w = Find(hwnd);
    if (!w) return;
    RECT box = w->windowBox();
    RECT client = w->clientBox();
    gfx::Region frame = gfx::Region(box).subtracted(gfx::Region(client));
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    for (const RECT& r : frame.rects()) FillRect(dc, &r, face);
}

// What the parts above the core have put into the default procedure in this run.
struct DefaultProcedure {
    std::map<UINT, DefaultHandler> handlers;
    FrameDrawer drawer = DrawSimpleFrame;
};

std::map<UINT, DefaultHandler>& Handlers() { return RunPart<DefaultProcedure>().handlers; }
FrameDrawer& CurrentFrameDrawer() { return RunPart<DefaultProcedure>().drawer; }

// The class background: a brush, or a system colour index + 1.
HBRUSH ClassBrush(const Window& w)
{
    HBRUSH b = w.cls ? w.cls->info.hbrBackground : HBRUSH();
    if (b.value > 0 && b.value <= COLOR_MENUBAR + 1) return GetSysColorBrush(int(b.value - 1));
    return b;
}

LRESULT EraseBackground(HWND hwnd, HDC dc)
{
    Window* w = Find(hwnd);
    if (!w) return 0;
    HBRUSH brush = ClassBrush(*w);
    if (!brush) return 0;
    RECT r{0, 0, w->client.width(), w->client.height()};
    FillRect(dc, &r, brush);
    return 1;
}

LRESULT GetText(const Window& w, WPARAM size, char* buffer)
{
    if (!buffer || size == 0) return 0;
    std::size_t n = base::utf8PrefixLength(w.text, std::size_t(size) - 1);
    std::memcpy(buffer, w.text.data(), n);
    buffer[n] = '\0';
    return LRESULT(n);
}

LRESULT SetCursorDefault(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    // A parent may decide for its children first.
    if ((w->style & WS_CHILD) && w->parent) {
        if (SendMessage(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
        w = Find(hwnd);
        if (!w) return FALSE;
    }
    auto hit = LRESULT(std::int16_t(LOWORD(WPARAM(lParam))));
    if (hit == HTCLIENT) {
        HCURSOR c = w->cls ? w->cls->info.hCursor : HCURSOR();
        if (c) SetCursor(c);
        return c ? TRUE : FALSE;
    }
    if (hit == HTERROR) return FALSE;
    SetCursor(LoadCursor(IDC_ARROW));
    return FALSE;
}

void PrintTree(HWND hwnd, HDC dc, LPARAM flags)
{
    Window* w = Find(hwnd);
    if (!w) return;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return;
    int saved = SaveDC(dc);
    if (flags & PRF_NONCLIENT) CurrentFrameDrawer()(hwnd, dc);
    gfx::Point off = w->clientOffset();
    POINT old;
    OffsetViewportOrgEx(dc, off.x, off.y, &old);
    RECT cr{0, 0, w->client.width(), w->client.height()};
    IntersectClipRect(dc, cr.left, cr.top, cr.right, cr.bottom);
    if (flags & PRF_ERASEBKGND) SendMessage(hwnd, WM_ERASEBKGND, WPARAM(dc.value), 0);
    if (flags & PRF_CLIENT) SendMessage(hwnd, WM_PRINTCLIENT, WPARAM(dc.value), flags);
    if ((flags & PRF_CHILDREN) && (w = Find(hwnd))) {
        std::vector<HWND> kids = w->children;
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            Window* c = Find(*it);
            if (!c || !(c->style & WS_VISIBLE)) continue;
            int inner = SaveDC(dc);
            POINT o;
            OffsetViewportOrgEx(dc, c->rect.left, c->rect.top, &o);
            IntersectClipRect(dc, 0, 0, c->rect.width(), c->rect.height());
            SendMessage(*it, WM_PRINT, WPARAM(dc.value), flags | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
            RestoreDC(dc, inner);
        }
    }
    RestoreDC(dc, saved);
}

LRESULT OnSysKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    bool alt = lParam & (LPARAM(1) << 29);
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (alt && wParam == VK_F4 && top) {
        PostMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return 0;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM wParam, LPARAM)
{
    switch (wParam & 0xFFF0) {
    case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
    default: break;
    }
    return 0;
}

LRESULT CtlColor(UINT message, WPARAM wParam)
{
    HDC dc = HDC(std::uint64_t(wParam));
    bool editLike = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(editLike ? COLOR_WINDOW : COLOR_BTNFACE));
    if (message == WM_CTLCOLORSCROLLBAR) return LRESULT(GetSysColorBrush(COLOR_SCROLLBAR).value);
    return LRESULT(GetSysColorBrush(editLike ? COLOR_WINDOW : COLOR_BTNFACE).value);
}

}  // namespace

DefaultHandler SetDefaultHandler(UINT message, DefaultHandler handler)
{
    DefaultHandler previous = GetDefaultHandler(message);
    if (handler) Handlers()[message] = handler;
    else Handlers().erase(message);
    return previous;
}

DefaultHandler GetDefaultHandler(UINT message)
{
    auto it = Handlers().find(message);
    return it == Handlers().end() ? nullptr : it->second;
}

void SetFrameDrawer(FrameDrawer drawer) { CurrentFrameDrawer() = drawer ? drawer : DrawSimpleFrame; }
FrameDrawer GetFrameDrawer() { return CurrentFrameDrawer(); }

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (DefaultHandler h = GetDefaultHandler(message)) return h(hwnd, message, wParam, lParam);
    return CoreDefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT CoreDefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(hwnd);
    if (!w) return 0;
    switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_NCCALCSIZE: {
        RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
        if (r) *r = ClientFromWindowRect(*r, w->style, w->exStyle);
        return 0;
    }
    case WM_NCHITTEST: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        gfx::Point o = ClientScreenOrigin(*w);
        RECT client = RECT::fromSize(o.x, o.y, w->client.width(), w->client.height());
        if (client.contains(p)) return HTCLIENT;
        RECT window = WindowRect(hwnd);
        return window.contains(p) ? HTBORDER : HTNOWHERE;
    }
    case WM_NCPAINT: {
        if (w->rect == w->client) return 0;
        HDC dc = GetWindowDC(hwnd);
        if (!dc) return 0;
        CurrentFrameDrawer()(hwnd, dc);
        ReleaseDC(hwnd, dc);
        return 0;
    }
    case WM_NCACTIVATE:
        if (IsWindowVisible(hwnd) && w->rect != w->client) {
            if (HDC dc = GetWindowDC(hwnd)) {
                CurrentFrameDrawer()(hwnd, dc);
                ReleaseDC(hwnd, dc);
            }
        }
        return TRUE;
    case WM_ERASEBKGND: return EraseBackground(hwnd, HDC(std::uint64_t(wParam)));
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINT: PrintTree(hwnd, HDC(std::uint64_t(wParam)), lParam); return 0;
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        return TRUE;
    case WM_GETTEXT: return GetText(*w, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH: return LRESULT(w->text.size());
    case WM_SETREDRAW:
        w->redraw = wParam != 0;
        return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SETCURSOR: return SetCursorDefault(hwnd, wParam, lParam);
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD) && w->parent) {
            LRESULT r = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        // Focus goes back where it was in this window, or to the window itself.
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) {
            HWND f = State().focus;
            if (f && IsChild(hwnd, f)) return 0;
            HWND last = w->lastFocus;
            SetFocus(last && IsChild(hwnd, last) && IsWindowEnabled(last) ? last : hwnd);
        }
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!wp) return 0;
        if (!(wp->flags & SWP_NOSIZE) || (wp->flags & SWP_FRAMECHANGED)) {
            WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                                                                 : SIZE_RESTORED;
            SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(w->client.width(), w->client.height()));
            if (!(w = Find(hwnd))) return 0;
        }
        if (!(wp->flags & SWP_NOMOVE)) SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
        return 0;
    }
    case WM_GETMINMAXINFO: return 0;
    case WM_SYSKEYDOWN: return OnSysKeyDown(hwnd, wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(hwnd, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return CtlColor(message, wParam);
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        // Children pass these up until a window takes them.
        if ((w->style & WS_CHILD) && w->parent) return SendMessage(w->parent, message, wParam, lParam);
        return 0;
    case WM_RBUTTONUP: {
        gfx::Point o = ClientScreenOrigin(*w);
        SendMessage(hwnd, WM_CONTEXTMENU, WPARAM(hwnd.value),
                    MAKELPARAM(GET_X_LPARAM(lParam) + o.x, GET_Y_LPARAM(lParam) + o.y));
        return 0;
    }
    case WM_CANCELMODE:
        if (State().capture == hwnd) ReleaseCapture();
        return 0;
    case WM_GETICON: return LRESULT((wParam ? w->iconBig : w->iconSmall).value);
    case WM_SETICON: {
        HICON& slot = wParam ? w->iconBig : w->iconSmall;
        HICON old = slot;
        slot = HICON(HGDIOBJ(std::uint64_t(lParam)));
        return LRESULT(old.value);
    }
    default: return 0;
    }
}

}  // namespace plat
