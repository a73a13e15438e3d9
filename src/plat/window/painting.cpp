#include <cstring>

#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/objects.h"
#include "plat/gdi/regions.h"
#include "plat/message_queue.h"
#include "plat/messages.h"
#include "plat/paint.h"
#include "plat/window_pos.h"
#include "plat/window/dc_registry.h"
#include "plat/window/update_region.h"
#include "plat/window/visible_region.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

int RegionType(const gfx::Region& r)
{
    if (r.empty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// A client-coordinate rectangle or region (or the whole client area / window) in window coordinates.
gfx::Region AreaOf(const Window& w, const RECT* r, HRGN rgn, bool frame)
{
    gfx::Point off = w.clientOffset();
    if (r) return gfx::Region(*r).offset(off);
    if (rgn) {
        const gfx::Region* pixels = RegionOf(rgn);
        return pixels ? pixels->offset(off) : gfx::Region();
    }
    return gfx::Region(frame ? w.windowBox() : w.clientBox());
}

void UpdateTree(HWND hwnd, bool children)
{
    Window* w = Find(hwnd);
    if (!w) return;
    if (NeedsPaint(*w) && w->redraw && IsVisibleChain(*w)) PaintWindowNow(hwnd);
    if (!children) return;
    w = Find(hwnd);
    if (!w) return;
    std::vector<HWND> kids(w->children.rbegin(), w->children.rend());
    for (HWND h : kids) UpdateTree(h, true);
}

BOOL RedrawOne(Window& w, const RECT* r, HRGN rgn, UINT flags)
{
    bool frame = flags & RDW_FRAME;
    gfx::Region area = AreaOf(w, r, rgn, frame);
    ChildUpdate children = (flags & RDW_ALLCHILDREN) ? ChildUpdate::All
                           : (flags & RDW_NOCHILDREN) ? ChildUpdate::None
                                                      : ChildUpdate::Default;
    if (flags & RDW_INVALIDATE) AddUpdate(w, area, flags & RDW_ERASE, children, frame);
    if (flags & RDW_INTERNALPAINT) w.internalPaint = true;
    if (flags & RDW_VALIDATE) {
        RemoveUpdate(w, area, children);
        if (flags & RDW_NOFRAME) w.ncPaint = false;
        if (flags & RDW_NOERASE) w.erase = false;
        if (flags & RDW_NOINTERNALPAINT) w.internalPaint = false;
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateTree(w.handle, children != ChildUpdate::None);
    return TRUE;
}

}  // namespace

BOOL RedrawWindow(HWND hwnd, const RECT* r, HRGN rgn, UINT flags)
{
    if (!hwnd || hwnd == State().desktop) {
        Window* d = Find(State().desktop);
        if (!d) return FALSE;
        std::vector<HWND> tops = d->children;
        for (HWND h : tops)
            if (Window* w = Find(h)) RedrawOne(*w, nullptr, {}, flags | RDW_FRAME);
        return TRUE;
    }
    Window* w = Find(hwnd);
    return w ? RedrawOne(*w, r, rgn, flags) : FALSE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* r, BOOL erase)
{
    return RedrawWindow(hwnd, r, {}, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase)
{
    if (rgn && !RegionOf(rgn)) return FALSE;
    return RedrawWindow(hwnd, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* r)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    if (!r) w->internalPaint = false;
    return RedrawWindow(hwnd, r, {}, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN rgn)
{
    if (rgn && !RegionOf(rgn)) return FALSE;
    return RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL GetUpdateRect(HWND hwnd, RECT* r, BOOL erase)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    gfx::Region client = w->update.intersected(w->clientBox());
    if (r) *r = client.empty() ? RECT{} : client.bounds().offset(gfx::Point{} - w->clientOffset());
    if (erase && w->erase && !client.empty()) {
        HDC dc = GetDC(hwnd);
        w->erase = false;
        SendMessage(hwnd, WM_ERASEBKGND, WPARAM(dc.value), 0);
        ReleaseDC(hwnd, dc);
    }
    return !client.empty();
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase)
{
    Window* w = Find(hwnd);
    if (!w || !RegionOf(rgn)) return ERROR;
    gfx::Region client = w->update.intersected(w->clientBox()).offset(gfx::Point{} - w->clientOffset());
    SetRegionPixels(rgn, client);
    if (erase) GetUpdateRect(hwnd, nullptr, TRUE);
    return RegionType(client);
}

BOOL UpdateWindow(HWND hwnd)
{
    if (!Find(hwnd)) return FALSE;
    UpdateTree(hwnd, true);
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps)
{
    Window* w = Find(hwnd);
    if (!w || !ps) return {};
    w->internalPaint = false;
    if (w->ncPaint) {
        w->ncPaint = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        w = Find(hwnd);
        if (!w) return {};
    }
    gfx::Region area = w->update.intersected(w->clientBox());
    bool erase = w->erase;
    w->update.clear();
    w->erase = false;
    w->ncPaint = false;
    WindowDcClip clip{area.offset(SurfaceOrigin(*w)), true};
    HDC dc = OpenWindowDC(hwnd, WindowDcKind::Client, 0, clip);
    ps->hdc = dc;
    ps->rcPaint = area.empty() ? RECT{} : area.bounds().offset(gfx::Point{} - w->clientOffset());
    ps->fErase = erase ? TRUE : FALSE;
    if (erase && dc) ps->fErase = SendMessage(hwnd, WM_ERASEBKGND, WPARAM(dc.value), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps)
{
    return ps ? CloseWindowDC(ps->hdc) : FALSE;
}

HDC GetDC(HWND hwnd)
{
    if (!hwnd || hwnd == State().desktop) return OpenWindowDC({}, WindowDcKind::Screen, 0);
    if (!Find(hwnd)) return {};
    return OpenWindowDC(hwnd, WindowDcKind::Client, 0);
}

HDC GetWindowDC(HWND hwnd)
{
    if (!hwnd || hwnd == State().desktop) return OpenWindowDC({}, WindowDcKind::Screen, 0);
    if (!Find(hwnd)) return {};
    return OpenWindowDC(hwnd, WindowDcKind::Window, 0);
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags)
{
    if (!hwnd || hwnd == State().desktop) return OpenWindowDC({}, WindowDcKind::Screen, 0);
    Window* w = Find(hwnd);
    if (!w) return {};
    WindowDcClip c;
    Window* top = TopLevelOf(w);
    gfx::Point screenToSurface = top ? gfx::Point{} - ScreenOrigin(*top) : gfx::Point{};
    const gfx::Region* pixels = clip ? RegionOf(clip) : nullptr;
    if ((flags & DCX_INTERSECTRGN) && pixels) {
        c = {pixels->offset(screenToSurface), true};
    } else if ((flags & DCX_EXCLUDERGN) && pixels && top && top->surface) {
        c = {gfx::Region(top->surface->rect()).subtracted(pixels->offset(screenToSurface)), true};
    }
    if (flags & DCX_INTERSECTUPDATE) {
        gfx::Region upd = w->update.offset(SurfaceOrigin(*w));
        c = {c.active ? c.region.intersected(upd) : upd, true};
    }
    return OpenWindowDC(hwnd, (flags & DCX_WINDOW) ? WindowDcKind::Window : WindowDcKind::Client, flags, c);
}

int ReleaseDC(HWND, HDC dc) { return CloseWindowDC(dc) ? 1 : 0; }

HWND WindowFromDC(HDC dc) { return WindowOfDC(dc); }

BOOL SetWindowRegion(HWND hwnd, const gfx::Region* region, BOOL redraw)
{
    Window* w = Find(hwnd);
    if (!w || !w->parent) return FALSE;
    bool same = region ? (w->shape && *w->shape == *region) : !w->shape;
    if (same) return TRUE;  // re-applying a shape (as frames do on each paint) must not repaint for ever
    gfx::Region before = ShapeInParent(*w);
    if (region)
        w->shape = *region;
    else
        w->shape.reset();
    RefreshWindowDCs();
    if (redraw) {
        if (!w->isTopLevel()) InvalidateInParent(*w, before.united(ShapeInParent(*w)));
        InvalidateWhole(*w);
    }
    return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw)
{
    const gfx::Region* pixels = rgn ? RegionOf(rgn) : nullptr;
    if (rgn && !pixels) return 0;
    BOOL ok = SetWindowRegion(hwnd, pixels, redraw);
    if (ok && rgn) DeleteObject(HGDIOBJ(rgn));
    return ok;
}

int GetWindowRgn(HWND hwnd, HRGN rgn)
{
    Window* w = Find(hwnd);
    if (!w || !w->shape || !RegionOf(rgn)) return ERROR;
    SetRegionPixels(rgn, *w->shape);
    return RegionType(*w->shape);
}

const gfx::Region* GetWindowRegion(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && w->shape ? &*w->shape : nullptr;
}

BOOL PrintWindow(HWND hwnd, HDC dc, UINT flags)
{
    if (!Find(hwnd)) return FALSE;
    LPARAM what = flags ? LPARAM(flags) : (PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    SendMessage(hwnd, WM_PRINT, WPARAM(dc.value), what);
    return TRUE;
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, RECT* updateRect,
                   UINT flags)
{
    Window* w = Find(hwnd);
    if (!w) return ERROR;
    Window* top = TopLevelOf(w);
    RECT clientBox{0, 0, w->client.width(), w->client.height()};
    RECT area = (scroll ? *scroll : clientBox).intersected(clientBox);
    if (clip) area = area.intersected(*clip);
    gfx::Point toSurface = SurfaceOrigin(*w) + w->clientOffset();
    gfx::Region visible = VisibleRegion(*w, false, true, (w->style & WS_CLIPSIBLINGS) != 0);
    gfx::Region inArea = gfx::Region(area.offset(toSurface)).intersected(visible);
    gfx::Region moved = inArea.offset(dx, dy).intersected(inArea);
    if (top && top->surface && !moved.empty()) {
        gfx::Bitmap copy = *top->surface;
        for (const RECT& r : moved.rects())
            for (int y = r.top; y < r.bottom; ++y)
                std::memcpy(top->surface->row(y) + 3 * r.left, copy.row(y - dy) + 3 * (r.left - dx),
                            std::size_t(3 * r.width()));
        NoteDamage(top->handle, moved);
    }
    gfx::Region uncovered = gfx::Region(area).subtracted(moved.offset(gfx::Point{} - toSurface));
    if (flags & SW_SCROLLCHILDREN) {
        std::vector<HWND> kids = w->children;
        for (HWND h : kids)
            if (Window* c = Find(h); c && (!scroll || c->rect.intersects(*scroll)))
                SetWindowPos(h, {}, c->rect.left + dx, c->rect.top + dy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (update && RegionOf(update)) SetRegionPixels(update, uncovered);
    if (updateRect) *updateRect = uncovered.empty() ? RECT{} : uncovered.bounds();
    if ((flags & SW_INVALIDATE) && (w = Find(hwnd)))
        AddUpdate(*w, uncovered.offset(w->clientOffset()), flags & SW_ERASE, ChildUpdate::Default, false);
    return RegionType(uncovered);
}

}  // namespace plat
