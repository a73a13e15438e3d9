#include <vector>

#include "plat/gdi/gdi_object.h"
#include "plat/gdi/objects.h"
#include "plat/state/run_state.h"
#include "plat/system/sys_colors.h"

namespace plat {

using namespace gdi;

namespace {

// One shared brush per system colour, following the colour when it changes.
struct SysColorBrushes {
    std::vector<HBRUSH> brushes;
    SysColorBrushes()
    {
        for (int i = 0; i < kSysColorCount; ++i) {
            GdiObject o{BrushData{BS_SOLID, 0, i, {}}};
            o.stock = true;
            brushes.push_back(HBRUSH(addObject(std::move(o))));
        }
    }
};

}  // namespace

HBRUSH CreateSolidBrush(COLORREF color) { return HBRUSH(addObject({BrushData{BS_SOLID, color & 0xFFFFFF, -1, {}}})); }

HBRUSH CreatePatternBrush(HBITMAP pattern)
{
    const gfx::Bitmap* pixels = BitmapPixels(pattern);
    if (!pixels || pixels->empty()) return {};
    return HBRUSH(addObject({BrushData{BS_PATTERN, 0, -1, *pixels}}));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb)
{
    if (!lb) return {};
    switch (lb->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(lb->lbColor);
    case BS_NULL: return HBRUSH(addObject({BrushData{BS_NULL, 0, -1, {}}}));
    case BS_PATTERN: return CreatePatternBrush(HBITMAP(HGDIOBJ(std::uint64_t(lb->lbHatch))));
    default: return {};
    }
}

HBRUSH GetSysColorBrush(int index)
{
    if (index < 0 || index >= kSysColorCount) return {};
    return RunPart<SysColorBrushes>().brushes[std::size_t(index)];
}

}  // namespace plat
