#include "plat/nonclient/tracking_loops.h"

#include <algorithm>

#include "plat/core_queries.h"
#include "plat/hook.h"
#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/messages.h"
#include "plat/modal_loop.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/frame_painter.h"
#include "plat/nonclient/scroll_state.h"
#include "plat/paint.h"
#include "plat/system/sys_metrics.h"
#include "plat/timer.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

constexpr std::uintptr_t kRepeatTimer = 0xFFFB;

POINT CursorNow()
{
    POINT p;
    GetCursorPos(&p);
    return p;
}

bool IsMouse(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; }

}  // namespace

void RunMoveSizeLoop(HWND hwnd, WPARAM command, POINT start)
{
    DWORD style = GetWindowStyle(hwnd);
    bool sizing = (command & 0xFFF0) == SC_SIZE;
    if (style & (WS_MAXIMIZE)) return;
    if (sizing && !(style & WS_THICKFRAME)) return;
    int edge = int(command & 0x0F);
    if (sizing && (edge < 1 || edge > 8)) edge = 8;  // from the keyboard: the bottom-right corner
    RECT original = WindowRect(hwnd);
    if (CallHooks(HCBT_MOVESIZE, WPARAM(hwnd.value), LPARAM(&original)) != 0) return;
    if (!IsWindow(hwnd)) return;
    MINMAXINFO mmi = DefaultSizeLimits(hwnd);
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, LPARAM(&mmi));
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    bool child = (style & WS_CHILD) != 0;

    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    {
        ModalLoop loop(hwnd);
        loop.holdCapture(hwnd);
        RECT current = original;
        POINT keyOffset;
        auto apply = [&](POINT pointer) {
            int dx = pointer.x - start.x, dy = pointer.y - start.y;
            RECT r = original;
            if (!sizing) {
                r = r.offset(dx, dy);
                SendMessage(hwnd, WM_MOVING, 9, LPARAM(&r));
            } else {
                bool left = edge == 1 || edge == 4 || edge == 7, right = edge == 2 || edge == 5 || edge == 8;
                bool top = edge == 3 || edge == 4 || edge == 5, bottom = edge == 6 || edge == 7 || edge == 8;
                if (left) r.left = std::clamp(r.left + dx, r.right - mmi.ptMaxTrackSize.x, r.right - mmi.ptMinTrackSize.x);
                if (right) r.right = std::clamp(r.right + dx, r.left + mmi.ptMinTrackSize.x, r.left + mmi.ptMaxTrackSize.x);
                if (top) r.top = std::clamp(r.top + dy, r.bottom - mmi.ptMaxTrackSize.y, r.bottom - mmi.ptMinTrackSize.y);
                if (bottom) r.bottom = std::clamp(r.bottom + dy, r.top + mmi.ptMinTrackSize.y, r.top + mmi.ptMaxTrackSize.y);
                SendMessage(hwnd, WM_SIZING, WPARAM(edge), LPARAM(&r));
            }
            if (r == current || !IsWindow(hwnd)) return;
            current = r;
            RECT place = r;
            if (child) MapWindowRect({}, parent, &place);
            SetWindowPos(hwnd, {}, place.left, place.top, place.width(), place.height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | (sizing ? 0 : SWP_NOSIZE));
            UpdateWindow(hwnd);
        };
        MSG msg;
        bool cancelled = false;
        while (loop.next(&msg)) {
            if (msg.message == WM_MOUSEMOVE) {
                apply(CursorNow() + keyOffset);
            } else if (msg.message == WM_LBUTTONUP) {
                apply(CursorNow() + keyOffset);
                break;
            } else if (msg.message == WM_KEYDOWN) {
                if (msg.wParam == VK_ESCAPE) {
                    cancelled = true;
                    break;
                }
                if (msg.wParam == VK_RETURN) break;
                int step = 8;
                if (msg.wParam == VK_LEFT) keyOffset.x -= step;
                if (msg.wParam == VK_RIGHT) keyOffset.x += step;
                if (msg.wParam == VK_UP) keyOffset.y -= step;
                if (msg.wParam == VK_DOWN) keyOffset.y += step;
                apply(CursorNow() + keyOffset);
            } else if (IsMouse(msg.message) || msg.message == WM_KEYUP || msg.message == WM_CHAR) {
                // swallowed while the window is held
            } else {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        }
        if (cancelled && IsWindow(hwnd)) {
            RECT place = original;
            if (child) MapWindowRect({}, parent, &place);
            SetWindowPos(hwnd, {}, place.left, place.top, place.width(), place.height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        loop.leave();
    }
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

bool TrackCaptionButton(HWND hwnd, LRESULT code)
{
    auto buttonRect = [&]() {
        FrameLayout f = LayoutFrameOf(hwnd);
        RECT r = code == HTCLOSE ? f.close : code == HTMAXBUTTON ? f.maximize : code == HTMINBUTTON ? f.minimize : f.help;
        RECT w = WindowRect(hwnd);
        return r.offset(w.left, w.top);
    };
    bool pressed = true;
    RedrawCaptionNow(hwnd, code);
    bool released = false;
    {
        ModalLoop loop(hwnd);
        loop.holdCapture(hwnd);
        MSG msg;
        while (loop.next(&msg)) {
            if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
                bool over = buttonRect().contains(CursorNow());
                if (over != pressed) {
                    pressed = over;
                    RedrawCaptionNow(hwnd, pressed ? code : 0);
                }
                if (msg.message == WM_LBUTTONUP) {
                    released = over;
                    break;
                }
            } else if (!IsMouse(msg.message)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        }
        loop.leave();
    }
    if (IsWindow(hwnd)) RedrawCaptionNow(hwnd, 0);
    return released;
}

void TrackScrollBar(HWND hwnd, int bar, POINT start)
{
    bool vertical = bar == SB_VERT;
    UINT scrollMessage = vertical ? WM_VSCROLL : WM_HSCROLL;
    auto barRect = [&]() {
        FrameLayout f = LayoutFrameOf(hwnd);
        RECT w = WindowRect(hwnd);
        return (vertical ? f.vscroll : f.hscroll).offset(w.left, w.top);
    };
    auto state = [&]() -> ScrollBarState& {
        return vertical ? NonClientStateOf(hwnd).vert : NonClientStateOf(hwnd).horz;
    };
    RECT r = barRect();
    if (r.empty() || state().disabled == 3) return;
    int length = vertical ? r.height() : r.width();
    int arrowSize = vertical ? r.width() : r.height();
    auto along = [&](POINT p) { return vertical ? p.y - barRect().top : p.x - barRect().left; };
    auto partUnder = [&](POINT p) {
        RECT now = barRect();
        RECT across = now.inflated(vertical ? 0 : 0, 0);
        if (!across.contains(p)) return -1;
        return PartAt(GeometryFor(state(), length, arrowSize), length, along(p));
    };
    int part = partUnder(start);
    if (part < 0) return;
    if ((part == 0 && (state().disabled & 1)) || (part == 1 && (state().disabled & 2))) return;
    auto send = [&](WORD code, int pos) {
        if (IsWindow(hwnd)) SendMessage(hwnd, scrollMessage, MAKEWPARAM(code, pos), 0);
    };

    ModalLoop loop(hwnd);
    loop.holdCapture(hwnd);
    // However the loop ends, the part no longer looks pressed and the repeat stops.
    struct Release {
        HWND hwnd;
        int bar;
        ~Release()
        {
            if (!IsWindow(hwnd)) return;
            KillTimer(hwnd, kRepeatTimer);
            ScrollBarState& s = bar == SB_VERT ? NonClientStateOf(hwnd).vert : NonClientStateOf(hwnd).horz;
            s.pressedPart = -1;
        }
    } release{hwnd, bar};
    state().pressedPart = part;
    RedrawScrollBarNow(hwnd, bar);
    int grabOffset = 0;
    int lastPos = state().pos;
    if (part == 5) {
        grabOffset = along(start) - GeometryFor(state(), length, arrowSize).thumbStart;
        state().trackPos = state().pos;
    } else {
        send(WORD(part), 0);
        SetTimer(hwnd, kRepeatTimer, kScrollFirstRepeatMs);
    }
    bool firstRepeat = true;
    MSG msg;
    while (loop.next(&msg)) {
        if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == kRepeatTimer) {
            if (firstRepeat) {
                firstRepeat = false;
                SetTimer(hwnd, kRepeatTimer, kScrollRepeatMs);
            }
            if (partUnder(CursorNow()) == part) send(WORD(part), 0);
            continue;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            POINT p = CursorNow();
            if (part == 5) {
                ScrollGeometry g = GeometryFor(state(), length, arrowSize);
                int pos = PositionForThumb(state(), g, along(p) - grabOffset);
                if (pos != lastPos) {
                    lastPos = pos;
                    state().trackPos = pos;
                    send(SB_THUMBTRACK, pos);
                }
            } else {
                int shown = partUnder(p) == part ? part : -1;
                if (shown != state().pressedPart) {
                    state().pressedPart = shown;
                    RedrawScrollBarNow(hwnd, bar);
                }
            }
            if (msg.message == WM_LBUTTONUP) break;
            continue;
        }
        if (IsMouse(msg.message)) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    loop.leave();
    if (!IsWindow(hwnd)) return;
    KillTimer(hwnd, kRepeatTimer);
    state().pressedPart = -1;
    if (part == 5) send(SB_THUMBPOSITION, lastPos);
    send(SB_ENDSCROLL, 0);
    if (IsWindow(hwnd)) RedrawScrollBarNow(hwnd, bar);
}

}  // namespace plat
