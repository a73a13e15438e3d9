#include "plat/window/dc_registry.h"

#include <map>

#include "plat/gdi/dc.h"
#include "plat/gdi/surface_dc.h"
#include "plat/paint.h"
#include "plat/state/run_state.h"
#include "plat/window/compose.h"
#include "plat/window/visible_region.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

struct DcRecord {
    HWND hwnd;
    WindowDcKind kind;
    DWORD flags = 0;
    WindowDcClip clip;
    gfx::Region lastVisible;
};

struct DcRegistry {
    std::map<HDC, DcRecord> records;
    gfx::Bitmap nowhere{1, 1};  // what DCs of windows with no surface draw on
};

std::map<HDC, DcRecord>& Registry() { return RunPart<DcRegistry>().records; }
gfx::Bitmap& Nowhere() { return RunPart<DcRegistry>().nowhere; }

struct Placement {
    gfx::Bitmap* surface = nullptr;
    gfx::Point origin;
    gfx::Region visible;
};

Placement Place(const DcRecord& r)
{
    Placement p;
    if (r.kind == WindowDcKind::Screen) {
        p.surface = &State().screenCopy;
        p.visible = gfx::Region(p.surface->rect());
        return p;
    }
    Window* w = Find(r.hwnd);
    Window* top = w ? TopLevelOf(w) : nullptr;
    if (!w || !top || !top->surface) {
        p.surface = &Nowhere();
        return p;
    }
    bool frame = r.kind == WindowDcKind::Window;
    bool clipChildren = (r.flags & DCX_CLIPCHILDREN) || (w->style & WS_CLIPCHILDREN);
    bool clipSiblings = (r.flags & DCX_CLIPSIBLINGS) || (w->style & WS_CLIPSIBLINGS);
    p.surface = top->surface.get();
    p.origin = SurfaceOrigin(*w) + (frame ? gfx::Point{} : w->clientOffset());
    p.visible = VisibleRegion(*w, frame, clipChildren, clipSiblings);
    if (r.clip.active) p.visible = p.visible.intersected(r.clip.region);
    return p;
}

}  // namespace

HDC OpenWindowDC(HWND hwnd, WindowDcKind kind, DWORD dcxFlags, WindowDcClip clip)
{
    DcRecord rec{hwnd, kind, dcxFlags, std::move(clip), {}};
    if (kind == WindowDcKind::Screen) ComposeScreen(State().screenCopy);
    Placement p = Place(rec);
    HDC dc = CreateSurfaceDC(p.surface, p.origin, p.visible);
    if (!dc) return dc;
    rec.lastVisible = p.visible;
    Registry()[dc] = std::move(rec);
    return dc;
}

BOOL CloseWindowDC(HDC dc)
{
    auto it = Registry().find(dc);
    if (it == Registry().end()) return FALSE;
    if (it->second.kind != WindowDcKind::Screen)
        if (Window* w = Find(it->second.hwnd))
            if (Window* top = TopLevelOf(w)) NoteDamage(top->handle, it->second.lastVisible);
    Registry().erase(it);
    DeleteDC(dc);
    return TRUE;
}

HWND WindowOfDC(HDC dc)
{
    auto it = Registry().find(dc);
    return it == Registry().end() ? HWND{} : it->second.hwnd;
}

void RefreshWindowDCs()
{
    for (auto& [dc, rec] : Registry()) {
        if (rec.kind == WindowDcKind::Screen) continue;
        Placement p = Place(rec);
        SetSurfaceDCTarget(dc, p.surface);
        SetSurfaceDCVisible(dc, p.origin, p.visible);
        rec.lastVisible = p.visible;
    }
}

void ReleaseAllWindowDCs()
{
    for (auto& [dc, rec] : Registry()) DeleteDC(dc);
    Registry().clear();
}

void NoteDamage(HWND topLevel, const gfx::Region& surfaceArea)
{
    Window* top = Find(topLevel);
    if (!top || !top->surface || surfaceArea.empty() || !State().backend) return;
    State().backend->present(topLevel, *top->surface, surfaceArea);
}

}  // namespace plat
