#include "plat/input.h"
#include "plat/system/sys_metrics.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

// The caret is drawn when the screen is composed; a change only asks for a new composition.
void CaretChanged()
{
    WindowState& s = State();
    Window* w = Find(s.caret.owner);
    Window* top = w ? TopLevelOf(w) : nullptr;
    if (top && top->surface && s.backend) {
        gfx::Region r(s.caret.rect.offset(SurfaceOrigin(*w) + w->clientOffset()));
        s.backend->present(top->handle, *top->surface, r.intersected(top->surface->rect()));
    }
}

}  // namespace

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height)
{
    WindowState& s = State();
    if (!Find(hwnd)) return FALSE;
    DestroyCaret();
    s.caret.owner = hwnd;
    s.caret.rect = RECT::fromSize(0, 0, width > 0 ? width : GetSystemMetrics(SM_CXBORDER),
                                  height > 0 ? height : GetSystemMetrics(SM_CYBORDER));
    s.caret.hideCount = 1;
    return TRUE;
}

BOOL DestroyCaret()
{
    WindowState& s = State();
    if (!s.caret.owner) return FALSE;
    CaretChanged();
    s.caret = {};
    return TRUE;
}

BOOL ShowCaret(HWND hwnd)
{
    WindowState& s = State();
    if (!s.caret.owner || (hwnd && hwnd != s.caret.owner)) return FALSE;
    if (s.caret.hideCount > 0) --s.caret.hideCount;
    CaretChanged();
    return TRUE;
}

BOOL HideCaret(HWND hwnd)
{
    WindowState& s = State();
    if (!s.caret.owner || (hwnd && hwnd != s.caret.owner)) return FALSE;
    ++s.caret.hideCount;
    CaretChanged();
    return TRUE;
}

BOOL SetCaretPos(int x, int y)
{
    WindowState& s = State();
    if (!s.caret.owner) return FALSE;
    CaretChanged();
    s.caret.rect = RECT::fromSize(x, y, s.caret.rect.width(), s.caret.rect.height());
    CaretChanged();
    return TRUE;
}

BOOL GetCaretPos(POINT* p)
{
    WindowState& s = State();
    if (!p || !s.caret.owner) return FALSE;
    *p = s.caret.rect.topLeft();
    return TRUE;
}

UINT GetCaretBlinkTime() { return 530; }

}  // namespace plat
