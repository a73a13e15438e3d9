#include <cstdlib>
#include <vector>

#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/system/sys_metrics.h"
#include "plat/virtual_keys.h"
#include "plat/window/activation.h"
#include "plat/window/input_routing.h"
#include "plat/window/modal_loop_events.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

struct Target {
    HWND hwnd;
    LRESULT hit = HTNOWHERE;
    bool captured = false;
};

WPARAM MouseKeys()
{
    const std::uint8_t* k = State().keys;
    WPARAM m = 0;
    if (k[VK_LBUTTON] & 0x80) m |= MK_LBUTTON;
    if (k[VK_RBUTTON] & 0x80) m |= MK_RBUTTON;
    if (k[VK_MBUTTON] & 0x80) m |= MK_MBUTTON;
    if (k[VK_SHIFT] & 0x80) m |= MK_SHIFT;
    if (k[VK_CONTROL] & 0x80) m |= MK_CONTROL;
    return m;
}

LPARAM ScreenParam(gfx::Point p) { return MAKELPARAM(p.x, p.y); }

LPARAM ClientParam(HWND hwnd, gfx::Point screen)
{
    Window* w = Find(hwnd);
    gfx::Point o = w ? ClientScreenOrigin(*w) : gfx::Point{};
    return MAKELPARAM(screen.x - o.x, screen.y - o.y);
}

// A disabled child lets the mouse through to its parent; a disabled top-level window takes nothing.
HWND EnabledUnder(HWND h)
{
    for (Window* w = Find(h); w && w->parent; w = Find(w->parent)) {
        if (!(w->style & WS_DISABLED)) {
            // Every parent must be enabled too.
            bool ok = true;
            for (Window* a = Find(w->parent); a && a->parent; a = Find(a->parent))
                if (a->style & WS_DISABLED) ok = false;
            if (ok) return w->handle;
        }
        if (w->isTopLevel()) return {};
    }
    return {};
}

Target FindTarget(gfx::Point screen, UINT mouseMessage)
{
    WindowState& s = State();
    if (s.capture && Find(s.capture)) return {s.capture, HTCLIENT, true};
    // Windows answering HTTRANSPARENT let the point through to what lies below them.
    std::vector<HWND> skipped;
    for (;;) {
        HWND under = WindowUnderPoint(screen, &skipped);
        HWND h = EnabledUnder(under);
        Target t;
        if (!h) {
            t.hit = under ? HTERROR : HTNOWHERE;
            HWND top = under ? GetAncestor(under, GA_ROOT) : HWND{};
            if (top) SendMessage(top, WM_SETCURSOR, WPARAM(top.value), MAKELPARAM(int(HTERROR), int(mouseMessage)));
            return t;
        }
        LRESULT hit = SendMessage(h, WM_NCHITTEST, 0, ScreenParam(screen));
        Window* w = Find(h);
        if (!w) return {};
        if (hit == HTTRANSPARENT && (w->style & WS_CHILD) && w->parent) {
            skipped.push_back(h);
            continue;
        }
        t.hwnd = h;
        t.hit = hit;
        return t;
    }
}

void CheckLeave(const Target& t)
{
    WindowState& s = State();
    if (!s.leave.hwnd) return;
    bool stillThere = t.hwnd == s.leave.hwnd && !t.captured && ((t.hit == HTCLIENT) != s.leave.nonClient);
    if (t.captured && t.hwnd == s.leave.hwnd) {
        // Under capture the window hears of leaving only when the pointer really is outside it.
        Window* w = Find(t.hwnd);
        HWND under = WindowUnderPoint(s.cursorPos);
        stillThere = w && (under == t.hwnd || IsChild(t.hwnd, under)) ;
    }
    if (stillThere) return;
    TrackedLeave gone = s.leave;
    s.leave = {};
    QueueInput(gone.hwnd, gone.nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

void SetCursorFor(const Target& t, UINT message)
{
    if (!t.hwnd || t.captured) return;
    SendMessage(t.hwnd, WM_SETCURSOR, WPARAM(t.hwnd.value), MAKELPARAM(int(t.hit), int(message)));
}

UINT ButtonMessage(MouseButton b, bool down, bool client)
{
    UINT base = b == MouseButton::Left ? WM_LBUTTONDOWN : b == MouseButton::Right ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    UINT m = down ? base : base + 1;
    return client ? m : m - (WM_LBUTTONDOWN - WM_NCLBUTTONDOWN);
}

UINT ButtonKey(MouseButton b) { return b == MouseButton::Left ? VK_LBUTTON : b == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON; }

bool IsDoubleClick(HWND hwnd, UINT downMessage, bool client, gfx::Point screen)
{
    WindowState& s = State();
    std::uint64_t now = GetTickCount();
    LastClick& last = s.lastClick;
    bool wants = !client || (GetClassLongPtr(hwnd, GCL_STYLE) & CS_DBLCLKS);
    bool dbl = wants && last.valid && last.hwnd == hwnd && last.downMessage == downMessage &&
               now - last.time <= GetDoubleClickTime() &&
               std::abs(screen.x - last.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
               std::abs(screen.y - last.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (dbl) last = {};
    else last = {hwnd, downMessage, now, screen, true};
    return dbl;
}

// Clicking a window disabled by a modal one brings the modal one forward instead.
void ActivateModalOf(gfx::Point screen)
{
    HWND under = WindowUnderPoint(screen);
    HWND top = under ? GetAncestor(under, GA_ROOT) : HWND{};
    if (!top) return;
    if (Window* d = Find(State().desktop))
        for (HWND h : d->children)
            if (Window* w = Find(h); w && w->owner == top && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED)) {
                Activate(h, true);
                return;
            }
}

}  // namespace

void RouteMouseMove(gfx::Point screen)
{
    WindowState& s = State();
    s.cursorPos = screen;
    Target t = FindTarget(screen, WM_MOUSEMOVE);
    CheckLeave(t);
    if (!t.hwnd) return;
    SetCursorFor(t, WM_MOUSEMOVE);
    if (!Find(t.hwnd)) return;
    if (t.hit == HTCLIENT) QueueInput(t.hwnd, WM_MOUSEMOVE, MouseKeys(), ClientParam(t.hwnd, screen));
    else QueueInput(t.hwnd, WM_NCMOUSEMOVE, WPARAM(t.hit), ScreenParam(screen));
}

void RouteMouseButton(MouseButton button, bool down, gfx::Point screen)
{
    WindowState& s = State();
    if (screen != s.cursorPos) RouteMouseMove(screen);
    std::uint8_t& key = s.keys[ButtonKey(button)];
    if (down) key = std::uint8_t(0x80 | ((key & 1) ^ 1));
    else key &= std::uint8_t(~0x80);

    UINT probe = ButtonMessage(button, down, true);
    Target t = FindTarget(screen, probe);
    if (!t.hwnd) {
        if (down && !WindowUnderPoint(screen)) return;
        if (down) ActivateModalOf(screen);
        return;
    }
    bool client = t.hit == HTCLIENT;
    if (down && !t.captured) {
        HWND top = GetAncestor(t.hwnd, GA_ROOT);
        Window* tw = Find(top);
        if (top && tw && top != s.active && !(tw->exStyle & WS_EX_NOACTIVATE)) {
            LRESULT ma = SendMessage(t.hwnd, WM_MOUSEACTIVATE, WPARAM(top.value), MAKELPARAM(int(t.hit), int(probe)));
            if (ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT) Activate(top, true);
            if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT || !Find(t.hwnd)) return;
        }
        SetCursorFor(t, probe);
        if (!Find(t.hwnd)) return;
    }
    UINT message = ButtonMessage(button, down, client);
    if (down && IsDoubleClick(t.hwnd, message, client, screen)) message += 2;  // ..DOWN -> ..DBLCLK
    if (client) QueueInput(t.hwnd, message, MouseKeys(), ClientParam(t.hwnd, screen));
    else QueueInput(t.hwnd, message, WPARAM(t.hit), ScreenParam(screen));
}

void RouteMouseWheel(int delta, gfx::Point screen)
{
    WindowState& s = State();
    if (screen != s.cursorPos) RouteMouseMove(screen);
    HWND target = s.focus ? s.focus : s.active;
    if (!target || !IsWindowEnabled(target)) return;
    QueueInput(target, WM_MOUSEWHEEL, MAKEWPARAM(int(MouseKeys()), delta), ScreenParam(screen));
}

HWND SetCapture(HWND hwnd)
{
    WindowState& s = State();
    HWND old = s.capture;
    if (!Find(hwnd)) return old;
    s.capture = hwnd;
    if (s.backend) s.backend->setCapture(true);
    ModalLoopsCaptureMoved(hwnd);
    if (old && old != hwnd) SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(hwnd.value));
    return old;
}

BOOL ReleaseCapture()
{
    WindowState& s = State();
    HWND old = s.capture;
    if (!old) return TRUE;
    s.capture = {};
    if (s.backend) s.backend->setCapture(false);
    ModalLoopsCaptureMoved({});
    SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    // What is under the pointer now may want another cursor or hear of the pointer leaving.
    if (StateRunning()) {
        Target t = FindTarget(s.cursorPos, WM_MOUSEMOVE);
        CheckLeave(t);
        SetCursorFor(t, WM_MOUSEMOVE);
    }
    return TRUE;
}

HWND GetCapture() { return State().capture; }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme)
{
    if (!tme) return FALSE;
    WindowState& s = State();
    bool nonClient = tme->dwFlags & TME_NONCLIENT;
    if (tme->dwFlags & TME_QUERY) {
        tme->dwFlags = s.leave.hwnd ? (TME_LEAVE | (s.leave.nonClient ? TME_NONCLIENT : 0)) : 0;
        tme->hwndTrack = s.leave.hwnd;
        return TRUE;
    }
    if (!Find(tme->hwndTrack)) return FALSE;
    if (tme->dwFlags & TME_CANCEL) {
        if (s.leave.hwnd == tme->hwndTrack && s.leave.nonClient == nonClient) s.leave = {};
        return TRUE;
    }
    if (!(tme->dwFlags & TME_LEAVE)) return TRUE;
    s.leave = {tme->hwndTrack, nonClient};
    // Already gone: the leave comes at once.
    Target t = FindTarget(s.cursorPos, WM_MOUSEMOVE);
    if (!t.captured) CheckLeave(t);
    return TRUE;
}

BOOL GetCursorPos(POINT* p)
{
    if (!p) return FALSE;
    *p = State().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    if (!StateRunning()) return FALSE;
    RawMouseMove({x, y});
    return TRUE;
}

UINT GetDoubleClickTime() { return 500; }

}  // namespace plat
