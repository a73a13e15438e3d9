#include <algorithm>

#include "plat/hook.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/system/sys_metrics.h"
#include "plat/window/activation.h"
#include "plat/window/dc_registry.h"
#include "plat/window/frame_metrics.h"
#include "plat/window/update_region.h"
#include "plat/window/visible_region.h"
#include "plat/window/window_limits.h"
#include "plat/window/window_state.h"
#include "plat/window/z_order.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

RECT KeepInside(RECT client, const RECT& window)
{
    RECT r = client.intersected(window);
    if (r.empty()) return RECT{window.left, window.top, window.left, window.top};
    return r;
}

void Notify(Window& w, bool moved, bool sized, bool shown, bool hidden, bool raised)
{
    Backend* b = State().backend;
    if (!b || !w.isTopLevel()) return;
    if (moved || sized) b->windowMoved(w.handle, w.rect);
    if (shown) b->windowShown(w.handle, true);
    if (hidden) b->windowShown(w.handle, false);
    if (raised) b->windowRaised(w.handle);
}

}  // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    std::shared_ptr<Window> w = Hold(hwnd);
    if (!w || !w->parent) return FALSE;
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        wp.x = w->rect.left;
        wp.y = w->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = w->rect.width();
        wp.cy = w->rect.height();
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, LPARAM(&wp));
        if (!Find(hwnd)) return FALSE;
    }
    UINT f = wp.flags;
    RECT oldRect = w->rect;
    gfx::Region oldArea = ShapeInParent(*w);
    bool wasVisible = w->style & WS_VISIBLE;
    RECT newRect = ClampWindowRect((f & SWP_NOMOVE) ? oldRect.left : wp.x, (f & SWP_NOMOVE) ? oldRect.top : wp.y,
                                   (f & SWP_NOSIZE) ? oldRect.width() : wp.cx,
                                   (f & SWP_NOSIZE) ? oldRect.height() : wp.cy);
    bool moved = newRect.topLeft() != oldRect.topLeft();
    bool sized = newRect.size() != oldRect.size();
    if (!moved) f |= SWP_NOMOVE;
    if (!sized) f |= SWP_NOSIZE;
    bool frameChanged = f & SWP_FRAMECHANGED;

    RECT newClient = w->client.offset(newRect.left - oldRect.left, newRect.top - oldRect.top);
    if (sized || frameChanged) {
        NCCALCSIZE_PARAMS p;
        p.rgrc[0] = newRect;
        p.rgrc[1] = oldRect;
        p.rgrc[2] = w->client;
        p.lppos = &wp;
        SendMessage(hwnd, WM_NCCALCSIZE, TRUE, LPARAM(&p));
        if (!Find(hwnd)) return FALSE;
        newClient = p.rgrc[0];
    }
    w->rect = newRect;
    w->client = KeepInside(newClient, newRect);

    bool raised = false;
    if (!(f & SWP_NOZORDER))
        if (Window* p = Find(w->parent)) raised = InsertChild(*p, hwnd, wp.hwndInsertAfter);
    if (f & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (f & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    bool visible = w->style & WS_VISIBLE;
    bool shown = visible && !wasVisible;
    bool hidden = wasVisible && !visible;
    if (w->surface && sized) *w->surface = gfx::Bitmap(newRect.width(), newRect.height(), 24);
    RefreshWindowDCs();

    bool changed = moved || sized || shown || hidden || raised || frameChanged;
    if (w->isTopLevel()) {
        if (sized || frameChanged) InvalidateWhole(*w);
    } else if (changed && !(f & SWP_NOREDRAW)) {
        gfx::Region area = wasVisible ? oldArea : gfx::Region();
        if (visible) area = area.united(ShapeInParent(*w));
        InvalidateInParent(*w, area);
        if (visible) InvalidateWhole(*w);
    } else if (sized || frameChanged) {
        InvalidateWhole(*w);
    }
    Notify(*w, moved, sized, shown, hidden, raised);

    if (w->isTopLevel()) {
        if (hidden && State().active == hwnd) ActivateOtherThan(hwnd);
        if (shown && !(f & SWP_NOACTIVATE)) Activate(hwnd, false);
        else if (!(f & SWP_NOACTIVATE) && !(f & SWP_NOZORDER) && visible && State().active != hwnd)
            Activate(hwnd, false);
    }
    if (!Find(hwnd)) return TRUE;
    WINDOWPOS done{hwnd, wp.hwndInsertAfter, w->rect.left, w->rect.top, w->rect.width(), w->rect.height(), f};
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, LPARAM(&done));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, {}, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command)
{
    std::shared_ptr<Window> w = Hold(hwnd);
    if (!w || !w->parent) return FALSE;
    bool wasVisible = w->style & WS_VISIBLE;
    bool topLevel = w->isTopLevel();
    UINT noActivate = topLevel ? 0 : SWP_NOACTIVATE;
    auto showMessage = [&](bool show) {
        if (bool(w->style & WS_VISIBLE) != show) SendMessage(hwnd, WM_SHOWWINDOW, show, 0);
        return Find(hwnd) != nullptr;
    };
    switch (command) {
    case SW_HIDE:
        if (!wasVisible) return FALSE;
        if (!showMessage(false)) return TRUE;
        SetWindowPos(hwnd, {}, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: {
        if (CallHooks(HCBT_MINMAX, WPARAM(hwnd.value), command) != 0) return wasVisible;
        if (!showMessage(true)) return wasVisible;
        if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = w->rect;
        w->restoreToMaximized = (w->style & WS_MAXIMIZE) != 0;
        w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
        int cx = GetSystemMetrics(SM_CXMINIMIZED), cy = GetSystemMetrics(SM_CYMINIMIZED);
        RECT iconic = topLevel ? RECT::fromSize(-32000, -32000, cx, cy) : RECT::fromSize(0, w->rect.top, cx, cy);
        SetWindowPos(hwnd, {}, iconic.left, iconic.top, iconic.width(), iconic.height(),
                     SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
        if (topLevel && State().active == hwnd) ActivateOtherThan(hwnd);
        return wasVisible;
    }
    case SW_SHOWMAXIMIZED: {
        if (CallHooks(HCBT_MINMAX, WPARAM(hwnd.value), command) != 0) return wasVisible;
        if (!showMessage(true)) return wasVisible;
        if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = w->rect;
        MINMAXINFO mmi = DefaultMinMaxInfo(*w);
        SendMessage(hwnd, WM_GETMINMAXINFO, 0, LPARAM(&mmi));
        if (!Find(hwnd)) return wasVisible;
        w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        RECT max = RECT::fromSize(mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxSize.x, mmi.ptMaxSize.y);
        if (!topLevel)
            if (Window* p = Find(w->parent)) max = RECT{0, 0, p->client.width(), p->client.height()};
        SetWindowPos(hwnd, HWND_TOP, max.left, max.top, max.width(), max.height(),
                     SWP_SHOWWINDOW | SWP_FRAMECHANGED | noActivate);
        return wasVisible;
    }
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
            if ((w->style & WS_MINIMIZE) && w->restoreToMaximized && command == SW_RESTORE) {
                w->style &= ~WS_MINIMIZE;
                return ShowWindow(hwnd, SW_SHOWMAXIMIZED) || wasVisible;
            }
            if (CallHooks(HCBT_MINMAX, WPARAM(hwnd.value), command) != 0) return wasVisible;
            if (!showMessage(true)) return wasVisible;
            w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            w->restoreToMaximized = false;
            RECT n = w->normalRect;
            SetWindowPos(hwnd, HWND_TOP, n.left, n.top, n.width(), n.height(),
                         SWP_SHOWWINDOW | SWP_FRAMECHANGED | noActivate);
            return wasVisible;
        }
        [[fallthrough]];
    case SW_SHOW:
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE: {
        if (!showMessage(true)) return wasVisible;
        bool activate = topLevel && (command == SW_SHOW || command == SW_SHOWNORMAL || command == SW_RESTORE);
        UINT zorder = activate ? 0 : SWP_NOZORDER;
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | zorder | (activate ? 0 : SWP_NOACTIVATE));
        return wasVisible;
    }
    default: return wasVisible;
    }
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL IsWindowVisible(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && IsVisibleChain(*w);
}

BOOL IsIconic(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle)
{
    if (!rect) return FALSE;
    FrameMetrics f = FrameMetricsFor(style, exStyle);
    rect->left -= f.border;
    rect->right += f.border;
    rect->top -= f.border + f.caption;
    rect->bottom += f.border;
    return TRUE;
}

RECT WindowRect(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w) return {};
    gfx::Point o = ScreenOrigin(*w);
    return RECT::fromSize(o.x, o.y, w->rect.width(), w->rect.height());
}

RECT ClientRect(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w ? RECT{0, 0, w->client.width(), w->client.height()} : RECT{};
}

BOOL GetWindowRect(HWND hwnd, RECT* r)
{
    if (!Find(hwnd) || !r) return FALSE;
    *r = WindowRect(hwnd);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* r)
{
    if (!Find(hwnd) || !r) return FALSE;
    *r = ClientRect(hwnd);
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* p)
{
    Window* w = Find(hwnd);
    if (!w || !p) return FALSE;
    *p = *p + ClientScreenOrigin(*w);
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* p)
{
    Window* w = Find(hwnd);
    if (!w || !p) return FALSE;
    *p = *p - ClientScreenOrigin(*w);
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count)
{
    gfx::Point a, b;
    if (from)
        if (Window* w = Find(from)) a = ClientScreenOrigin(*w);
    if (to)
        if (Window* w = Find(to)) b = ClientScreenOrigin(*w);
    gfx::Point d = a - b;
    for (UINT i = 0; i < count; ++i) points[i] = points[i] + d;
    return MAKELPARAM(d.x, d.y);
}

namespace {

bool HitsShape(const Window& w, gfx::Point inParent)
{
    if (!w.rect.contains(inParent)) return false;
    return !w.shape || w.shape->contains(inParent - w.rect.topLeft());
}

// The deepest visible window under a point given in `w`'s parent's client coordinates.
HWND Deepest(Window& w, gfx::Point inParent, bool skipDisabled, const std::vector<HWND>* skip = nullptr)
{
    gfx::Point inClient = inParent - w.client.topLeft();
    if (w.client.contains(inParent))
        for (HWND h : w.children) {
            Window* c = Find(h);
            if (!c || !(c->style & WS_VISIBLE) || !HitsShape(*c, inClient)) continue;
            if (skipDisabled && (c->style & WS_DISABLED)) continue;
            if (skip && std::find(skip->begin(), skip->end(), h) != skip->end()) continue;
            return Deepest(*c, inClient, skipDisabled, skip);
        }
    return w.handle;
}

}  // namespace

HWND WindowUnderPoint(gfx::Point screen, const std::vector<HWND>* skip)
{
    Window* d = Find(State().desktop);
    if (!d) return {};
    for (HWND h : d->children) {
        Window* w = Find(h);
        if (skip && std::find(skip->begin(), skip->end(), h) != skip->end()) continue;
        if (w && (w->style & WS_VISIBLE) && HitsShape(*w, screen)) return Deepest(*w, screen, false, skip);
    }
    return {};
}

HWND HitTestUnderPoint(gfx::Point screen, LRESULT* hit)
{
    // A window answering HTTRANSPARENT lets the point through to what lies below it (a group box over
    // the controls it frames), down to its parent at the last.
    std::vector<HWND> skipped;
    for (;;) {
        HWND h = WindowUnderPoint(screen, &skipped);
        if (!h) return {};
        LRESULT code = SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        Window* w = Find(h);
        if (code != HTTRANSPARENT || !w || w->isTopLevel()) {
            if (hit) *hit = code;
            return Find(h) ? h : HWND{};
        }
        skipped.push_back(h);
    }
}

HWND WindowFromPoint(POINT screen) { return HitTestUnderPoint(screen, nullptr); }

HWND ChildWindowFromPointEx(HWND parent, POINT client, UINT flags)
{
    Window* p = Find(parent);
    if (!p) return {};
    if (!RECT{0, 0, p->client.width(), p->client.height()}.contains(client)) return {};
    for (HWND h : p->children) {
        Window* c = Find(h);
        if (!c) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if (HitsShape(*c, client)) return h;
    }
    return parent;
}

RECT GetScreenRect()
{
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

namespace {
const HMONITOR_ kPrimaryMonitor{};
}

HMONITOR MonitorFromWindow(HWND, DWORD) { return &kPrimaryMonitor; }
HMONITOR MonitorFromPoint(POINT, DWORD) { return &kPrimaryMonitor; }

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info)
{
    if (monitor != &kPrimaryMonitor || !info) return FALSE;
    info->rcMonitor = GetScreenRect();
    info->rcWork = GetWorkArea();
    info->dwFlags = MONITORINFOF_PRIMARY;
    return TRUE;
}

}  // namespace plat
