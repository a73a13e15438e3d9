#include "plat/window/update_region.h"

#include "plat/messages.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

bool ReachChildren(const Window& w, ChildUpdate children)
{
    if (children == ChildUpdate::None) return false;
    return children == ChildUpdate::All || !(w.style & WS_CLIPCHILDREN);
}

// The part of a parent's window-coordinate area that falls on a child, in the child's window coordinates.
gfx::Region OnChild(const Window& parent, const Window& child, const gfx::Region& area)
{
    gfx::Region inClient = area.intersected(parent.clientBox()).offset(gfx::Point{} - parent.clientOffset());
    return inClient.intersected(child.rect).offset(-child.rect.left, -child.rect.top);
}

bool Painted(const Window& w) { return w.redraw && IsVisibleChain(w); }

HWND FindIn(Window& w)
{
    if (!Painted(w)) return {};
    if (w.parent && NeedsPaint(w)) return w.handle;
    for (auto it = w.children.rbegin(); it != w.children.rend(); ++it)
        if (Window* c = Find(*it))
            if (HWND h = FindIn(*c)) return h;
    return {};
}

}  // namespace

void AddUpdate(Window& w, const gfx::Region& area, bool erase, ChildUpdate children, bool frame)
{
    if (!w.parent) return;
    gfx::Region a = area.intersected(frame ? w.windowBox() : w.clientBox());
    if (a.empty()) return;
    w.update = w.update.united(a);
    if (erase) w.erase = true;
    if (!a.subtracted(w.clientBox()).empty()) w.ncPaint = true;
    if (!ReachChildren(w, children)) return;
    for (HWND h : w.children)
        if (Window* c = Find(h)) AddUpdate(*c, OnChild(w, *c, a), erase, children, true);
}

void RemoveUpdate(Window& w, const gfx::Region& area, ChildUpdate children)
{
    w.update = w.update.subtracted(area);
    if (w.update.empty()) w.erase = false;
    if (children != ChildUpdate::All) return;
    for (HWND h : w.children)
        if (Window* c = Find(h)) RemoveUpdate(*c, OnChild(w, *c, area), children);
}

void InvalidateWhole(Window& w) { AddUpdate(w, gfx::Region(w.windowBox()), true, ChildUpdate::All, true); }

void InvalidateInParent(Window& w, const gfx::Region& parentClientArea)
{
    Window* p = Find(w.parent);
    if (!p || !p->parent) return;
    AddUpdate(*p, parentClientArea.offset(p->clientOffset()), true, ChildUpdate::All, false);
}

bool NeedsPaint(const Window& w) { return !w.update.empty() || w.internalPaint; }

HWND FindWindowToPaint(HWND filter)
{
    WindowState& s = State();
    if (filter) {
        Window* f = Find(filter);
        return f ? FindIn(*f) : HWND{};
    }
    Window* d = Find(s.desktop);
    if (!d) return {};
    for (HWND h : d->children)
        if (Window* w = Find(h))
            if (HWND found = FindIn(*w)) return found;
    return {};
}

void PaintWindowNow(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w) return;
    gfx::Region before = w->update;
    bool ncBefore = w->ncPaint;
    CallProc(hwnd, WM_PAINT, 0, 0);
    w = Find(hwnd);
    if (!w) return;
    w->internalPaint = false;
    if (!w->update.empty() && w->update == before && w->ncPaint == ncBefore) {
        w->update.clear();
        w->erase = false;
        w->ncPaint = false;
    }
}

}  // namespace plat
