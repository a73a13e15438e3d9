#include <algorithm>
#include <cctype>

#include "plat/window/update_region.h"
#include "plat/window/visible_region.h"
#include "plat/window/dc_registry.h"
#include "plat/window/window_state.h"
#include "plat/window/z_order.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

bool Walk(const Window& w, const std::function<bool(HWND)>& f)
{
    std::vector<HWND> kids = w.children;
    for (HWND h : kids) {
        Window* c = Find(h);
        if (!c) continue;
        if (!f(h)) return false;
        if ((c = Find(h)) && !Walk(*c, f)) return false;
    }
    return true;
}

}  // namespace

HWND GetWindow(HWND hwnd, UINT relation)
{
    Window* w = Find(hwnd);
    if (!w) return {};
    if (relation == GW_CHILD) return w->children.empty() ? HWND{} : w->children.front();
    if (relation == GW_OWNER) return w->owner;
    Window* p = Find(w->parent);
    if (!p) return {};
    const std::vector<HWND>& list = p->children;
    auto it = std::find(list.begin(), list.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return (it == list.end() || it + 1 == list.end()) ? HWND{} : *(it + 1);
    case GW_HWNDPREV: return (it == list.begin() || it == list.end()) ? HWND{} : *(it - 1);
    default: return {};
    }
}

HWND GetParent(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || !w->parent) return {};
    if (w->isTopLevel()) return w->owner;
    return w->parent;
}

HWND SetParent(HWND child, HWND newParent)
{
    std::shared_ptr<Window> w = Hold(child);
    WindowState& s = State();
    if (!w || !w->parent) return {};
    if (!newParent) newParent = s.desktop;
    Window* np = Find(newParent);
    if (!np || newParent == child || IsChild(child, newParent)) return {};
    HWND old = w->parent;
    bool wasVisible = w->style & WS_VISIBLE;
    if (wasVisible) InvalidateInParent(*w, ShapeInParent(*w));
    if (Window* op = Find(old)) std::erase(op->children, child);
    bool toTop = newParent == s.desktop;
    w->parent = newParent;
    InsertChild(*np, child, HWND_TOP);
    if (toTop && !w->surface) w->surface = std::make_unique<gfx::Bitmap>(w->rect.width(), w->rect.height(), 24);
    if (!toTop) w->surface.reset();
    RefreshWindowDCs();
    InvalidateWhole(*w);
    if (wasVisible && !toTop) InvalidateInParent(*w, ShapeInParent(*w));
    return old == s.desktop ? HWND{} : old;
}

HWND GetAncestor(HWND hwnd, UINT kind)
{
    Window* w = Find(hwnd);
    if (!w || !w->parent) return {};
    switch (kind) {
    case GA_PARENT: return w->parent;
    case GA_ROOT: {
        Window* top = TopLevelOf(w);
        return top ? top->handle : HWND{};
    }
    case GA_ROOTOWNER: {
        Window* top = TopLevelOf(w);
        while (top && top->owner)
            if (Window* o = Find(top->owner))
                top = o;
            else
                break;
        return top ? top->handle : HWND{};
    }
    default: return {};
    }
}

HWND GetTopWindow(HWND parent)
{
    Window* p = Find(parent ? parent : State().desktop);
    return p && !p->children.empty() ? p->children.front() : HWND{};
}

BOOL IsChild(HWND parent, HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || !parent) return FALSE;
    for (Window* p = Find(w->parent); p && p->parent && !w->isTopLevel(); w = p, p = Find(p->parent))
        if (p->handle == parent) return TRUE;
    return FALSE;
}

HWND GetDesktopWindow() { return State().desktop; }

void EnumChildWindows(HWND parent, const std::function<bool(HWND)>& f)
{
    if (Window* p = Find(parent)) Walk(*p, f);
}

void EnumWindows(const std::function<bool(HWND)>& f)
{
    Window* d = Find(State().desktop);
    if (!d) return;
    std::vector<HWND> tops = d->children;
    for (HWND h : tops)
        if (Find(h) && !f(h)) return;
}

HWND GetDlgItem(HWND parent, int id)
{
    Window* p = Find(parent);
    if (!p) return {};
    for (HWND h : p->children)
        if (Window* c = Find(h); c && c->id == id) return h;
    return {};
}

int GetDlgCtrlID(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w ? int(w->id) : 0;
}

HWND FindWindow(std::string_view className, std::string_view windowName)
{
    HWND found;
    EnumWindows([&](HWND h) {
        Window* w = Find(h);
        if (!w || !w->cls) return true;
        if (!className.empty() && !SameText(w->cls->info.lpszClassName, className)) return true;
        if (!windowName.empty() && w->text != windowName) return true;
        found = h;
        return false;
    });
    return found;
}

}  // namespace plat
