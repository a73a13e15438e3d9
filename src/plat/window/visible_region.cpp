#include "plat/window/visible_region.h"

#include "plat/window/window_state.h"

namespace plat {

gfx::Region ShapeInParent(const Window& w)
{
    if (w.shape) return w.shape->offset(w.rect.topLeft()).intersected(w.rect);
    return gfx::Region(w.rect);
}

gfx::Region VisibleRegion(const Window& w, bool frame, bool clipChildren, bool clipSiblings)
{
    if (!IsVisibleChain(w) || !w.parent) return {};
    Window* top = TopLevelOf(const_cast<Window*>(&w));
    if (!top || !top->surface) return {};
    gfx::Point origin = SurfaceOrigin(w);

    gfx::Region r(frame ? w.windowBox() : w.clientBox());
    if (w.shape) r = r.intersected(*w.shape);
    r = r.offset(origin);

    if (clipChildren) {
        gfx::Point clientOrigin = origin + w.clientOffset();
        for (HWND h : w.children)
            if (Window* c = Find(h); c && (c->style & WS_VISIBLE))
                r = r.subtracted(ShapeInParent(*c).offset(clientOrigin));
    }

    // Walk up: each parent's client area and shape, and siblings above when asked.
    const Window* cur = &w;
    bool siblings = clipSiblings;
    while (!cur->isTopLevel()) {
        Window* p = Find(cur->parent);
        if (!p) return {};
        gfx::Point pOrigin = SurfaceOrigin(*p);
        gfx::Point pClient = pOrigin + p->clientOffset();
        r = r.intersected(p->clientBox().offset(pOrigin));
        if (p->shape) r = r.intersected(p->shape->offset(pOrigin));
        if (siblings) {
            for (HWND h : p->children) {
                if (h == cur->handle) break;
                if (Window* s = Find(h); s && (s->style & WS_VISIBLE))
                    r = r.subtracted(ShapeInParent(*s).offset(pClient));
            }
        }
        cur = p;
        siblings = (cur->style & WS_CLIPSIBLINGS) != 0;
    }
    return r.intersected(top->surface->rect());
}

}  // namespace plat
