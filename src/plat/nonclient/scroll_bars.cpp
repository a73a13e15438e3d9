#include "plat/nonclient/scroll_bars.h"

#include <algorithm>

#include "plat/message_codes.h"
#include "plat/nonclient/frame_layout.h"
#include "plat/nonclient/frame_painter.h"
#include "plat/nonclient/scroll_state.h"
#include "plat/system/sys_metrics.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

ScrollBarState* BarOf(HWND hwnd, int bar)
{
    if (!IsWindow(hwnd)) return nullptr;
    if (bar == SB_HORZ) return &NonClientStateOf(hwnd).horz;
    if (bar == SB_VERT) return &NonClientStateOf(hwnd).vert;
    return nullptr;  // scroll-bar controls answer their own messages
}

void ClampPos(ScrollBarState& s)
{
    std::int64_t range = std::int64_t(s.max) - s.min;
    if (range < 0) range = 0;
    s.page = UINT(std::min<std::int64_t>(s.page, range + 1));
    std::int64_t top = std::int64_t(s.max) - std::max<std::int64_t>(std::int64_t(s.page) - 1, 0);
    s.pos = int(std::clamp<std::int64_t>(s.pos, s.min, std::max<std::int64_t>(top, s.min)));
}

void Redraw(HWND hwnd, int bar, BOOL redraw)
{
    if (redraw) RedrawScrollBarNow(hwnd, bar);
}

}  // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw)
{
    ScrollBarState* s = BarOf(hwnd, bar);
    if (!s || !info) return 0;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = std::max(info->nMax, info->nMin);
    }
    if (info->fMask & SIF_PAGE) s->page = info->nPage;
    if (info->fMask & SIF_POS) s->pos = info->nPos;
    ClampPos(*s);
    int pos = s->pos;
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        if (Scrollable(*s)) {
            ShowScrollBar(hwnd, bar, TRUE);
            s = BarOf(hwnd, bar);
            if (s && s->disabled) EnableScrollBar(hwnd, UINT(bar), ESB_ENABLE_BOTH);
        } else if (info->fMask & SIF_DISABLENOSCROLL) {
            EnableScrollBar(hwnd, UINT(bar), ESB_DISABLE_BOTH);
        } else {
            ShowScrollBar(hwnd, bar, FALSE);
        }
    }
    Redraw(hwnd, bar, redraw);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info)
{
    ScrollBarState* s = BarOf(hwnd, bar);
    if (!s || !info) return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->min;
        info->nMax = s->max;
    }
    if (info->fMask & SIF_PAGE) info->nPage = s->page;
    if (info->fMask & SIF_POS) info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->trackPos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw)
{
    ScrollBarState* s = BarOf(hwnd, bar);
    if (!s) return 0;
    int old = s->pos;
    s->pos = pos;
    ClampPos(*s);
    Redraw(hwnd, bar, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar)
{
    ScrollBarState* s = BarOf(hwnd, bar);
    return s ? s->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw)
{
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = min;
    si.nMax = max;
    if (!BarOf(hwnd, bar)) return FALSE;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max)
{
    ScrollBarState* s = BarOf(hwnd, bar);
    if (!s) return FALSE;
    if (min) *min = s->min;
    if (max) *max = s->max;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show)
{
    if (!IsWindow(hwnd)) return FALSE;
    DWORD bits = bar == SB_HORZ ? WS_HSCROLL : bar == SB_VERT ? WS_VSCROLL : bar == SB_BOTH ? WS_HSCROLL | WS_VSCROLL : 0;
    if (!bits) return FALSE;
    DWORD style = GetWindowStyle(hwnd);
    DWORD next = show ? style | bits : style & ~bits;
    if (next == style) return TRUE;
    SetWindowLongPtr(hwnd, GWL_STYLE, LONG_PTR(next));
    SetWindowPos(hwnd, {}, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows)
{
    if (bar == UINT(SB_BOTH)) {
        BOOL a = EnableScrollBar(hwnd, UINT(SB_HORZ), arrows);
        BOOL b = EnableScrollBar(hwnd, UINT(SB_VERT), arrows);
        return a && b;
    }
    ScrollBarState* s = BarOf(hwnd, int(bar));
    if (!s) return FALSE;
    if (s->disabled == (arrows & ESB_DISABLE_BOTH)) return FALSE;  // nothing changed
    s->disabled = arrows & ESB_DISABLE_BOTH;
    RedrawScrollBarNow(hwnd, int(bar));
    return TRUE;
}

BOOL GetScrollBarInfo(HWND hwnd, std::int32_t object, SCROLLBARINFO* info)
{
    int bar = object == OBJID_HSCROLL ? SB_HORZ : object == OBJID_VSCROLL ? SB_VERT : -1;
    ScrollBarState* s = BarOf(hwnd, bar);
    if (!s || !info) return FALSE;
    FrameLayout f = LayoutFrameOf(hwnd);
    RECT r = bar == SB_HORZ ? f.hscroll : f.vscroll;
    RECT w = WindowRect(hwnd);
    *info = SCROLLBARINFO{};
    info->rcScrollBar = r.offset(w.left, w.top);
    bool vertical = bar == SB_VERT;
    int length = vertical ? r.height() : r.width();
    ScrollGeometry g = GeometryFor(*s, length, GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL));
    info->dxyLineButton = g.arrow;
    info->xyThumbTop = g.thumbStart;
    info->xyThumbBottom = g.thumbStart + g.thumbLength;
    if (r.empty()) info->rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (s->disabled == ESB_DISABLE_BOTH) info->rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    if (s->disabled & ESB_DISABLE_LTUP) info->rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
    if (s->disabled & ESB_DISABLE_RTDN) info->rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
    if (g.thumbLength == 0) info->rgstate[3] |= STATE_SYSTEM_INVISIBLE;
    static constexpr int kStateIndex[] = {1, 5, 2, 4, -1, 3};
    if (s->pressedPart >= 0 && s->pressedPart <= 5 && kStateIndex[s->pressedPart] > 0)
        info->rgstate[kStateIndex[s->pressedPart]] |= STATE_SYSTEM_PRESSED;
    return TRUE;
}

}  // namespace plat
