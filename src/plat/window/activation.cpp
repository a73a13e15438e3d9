#include "plat/window/activation.h"

#include "plat/hook.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/window/window_state.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

bool CanActivate(const Window& w) { return (w.style & WS_VISIBLE) && !(w.style & WS_DISABLED); }

void Deactivate(HWND old, HWND next)
{
    if (!Find(old)) return;
    SendMessage(old, WM_NCACTIVATE, FALSE, 0);
    if (Window* w = Find(old))
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (w->style & WS_MINIMIZE) ? 1 : 0),
                    LPARAM(next.value));
}

}  // namespace

bool Activate(HWND topLevel, bool byMouse)
{
    WindowState& s = State();
    Window* w = Find(topLevel);
    if (!w || !w->isTopLevel()) return false;
    if (s.active == topLevel) return true;
    CBTACTIVATESTRUCT cbt{byMouse, s.active};
    if (CallHooks(HCBT_ACTIVATE, WPARAM(topLevel.value), LPARAM(&cbt)) != 0) return false;
    if (!Find(topLevel)) return false;
    HWND old = s.active;
    s.active = topLevel;
    Deactivate(old, topLevel);
    if (s.active != topLevel || !Find(topLevel)) return false;
    SetWindowPos(topLevel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!s.appActive) {
        s.appActive = true;
        SendMessage(topLevel, WM_ACTIVATEAPP, TRUE, 0);
    }
    SendMessage(topLevel, WM_NCACTIVATE, TRUE, 0);
    if (!Find(topLevel)) return false;
    w = Find(topLevel);
    SendMessage(topLevel, WM_ACTIVATE,
                MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, (w->style & WS_MINIMIZE) ? 1 : 0),
                LPARAM(old.value));
    return true;
}

void ActivateOtherThan(HWND leaving)
{
    WindowState& s = State();
    Window* w = Find(leaving);
    HWND next;
    if (w && w->owner)
        if (Window* o = Find(w->owner); o && CanActivate(*o)) next = w->owner;
    if (!next)
        if (Window* d = Find(s.desktop))
            for (HWND h : d->children)
                if (Window* c = Find(h); c && h != leaving && CanActivate(*c) && c->owner != leaving &&
                                          !(c->exStyle & WS_EX_NOACTIVATE)) {
                    next = h;
                    break;
                }
    if (next && Activate(next, false)) return;
    if (s.active != leaving) return;
    s.active = {};
    if (s.focus && (s.focus == leaving || IsChild(leaving, s.focus))) SetFocus({});
    Deactivate(leaving, {});
}

void DeactivateApplication()
{
    WindowState& s = State();
    for (std::uint8_t& k : s.keys) k &= std::uint8_t(~0x80);
    HWND old = s.active;
    if (!old) return;
    if (s.focus) SetFocus({});
    s.active = {};
    Deactivate(old, {});
    if (s.appActive && Find(old)) {
        s.appActive = false;
        SendMessage(old, WM_ACTIVATEAPP, FALSE, 0);
    }
    s.appActive = false;
}

HWND SetFocus(HWND hwnd)
{
    WindowState& s = State();
    HWND old = s.focus;
    if (!hwnd) {
        if (!old) return {};
        if (CallHooks(HCBT_SETFOCUS, 0, LPARAM(old.value)) != 0) return {};
        s.focus = {};
        SendMessage(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    Window* w = Find(hwnd);
    if (!w || hwnd == s.desktop) return {};
    if (CallHooks(HCBT_SETFOCUS, WPARAM(hwnd.value), LPARAM(old.value)) != 0) return {};
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (top && top != s.active) {
        Activate(top, false);
        if (!Find(hwnd)) return {};
        old = s.focus;
    }
    if (Window* t = Find(top)) t->lastFocus = hwnd;
    if (old == hwnd) return old;
    s.focus = hwnd;
    if (old) SendMessage(old, WM_KILLFOCUS, WPARAM(hwnd.value), 0);
    if (s.focus == hwnd && Find(hwnd)) SendMessage(hwnd, WM_SETFOCUS, WPARAM(old.value), 0);
    return old;
}

HWND GetFocus() { return State().focus; }

HWND SetActiveWindow(HWND hwnd)
{
    HWND old = State().active;
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (!top || !Activate(top, false)) return {};
    return old;
}

HWND GetActiveWindow() { return State().active; }
BOOL SetForegroundWindow(HWND hwnd) { return SetActiveWindow(hwnd) || State().active == hwnd ? TRUE : FALSE; }
HWND GetForegroundWindow() { return State().active; }

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    bool wasDisabled = w->style & WS_DISABLED;
    if (wasDisabled == !enable) return wasDisabled;
    WindowState& s = State();
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (s.focus && (s.focus == hwnd || IsChild(hwnd, s.focus))) SetFocus({});
        if (s.capture && (s.capture == hwnd || IsChild(hwnd, s.capture))) ReleaseCapture();
    }
    if (Find(hwnd)) SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}

}  // namespace plat
