#pragma once

#include <optional>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/region.h"
#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/handle_table.h"

namespace plat::gdi {

// The part of a DC that SaveDC saves.
struct DcState {
    HPEN pen;
    HBRUSH brush;
    HFONT font;
    HBITMAP bitmap;  // memory DCs only
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT viewportOrg;
    POINT windowOrg;
    POINT brushOrg;
    POINT position;
    COLORREF dcBrushColor = 0xFFFFFF;
    COLORREF dcPenColor = 0x000000;
    std::optional<gfx::Region> clip;  // device coordinates
};

struct DeviceContext {
    bool memory = true;
    gfx::Bitmap* surface = nullptr;  // surface DCs
    gfx::Point origin;               // surface DCs: device (0,0) in the surface
    gfx::Region visible;             // surface DCs: surface coordinates
    DcState state;
    std::vector<DcState> saved;
};

HandleTable<HDC, DeviceContext>& dcTable();
DeviceContext* dc(HDC h);
DcState defaultState(bool memory);

// Where a DC's drawing lands: the pixels, the logical -> pixel offset, the allowed pixels.
struct Target {
    gfx::Bitmap* bitmap = nullptr;
    gfx::Point offset;     // pixel = logical + offset
    gfx::Point deviceToPixel;  // pixel = device + deviceToPixel
    gfx::Region clip;      // in pixel coordinates
};
// Null bitmap when nothing can be drawn (bad DC, no pixels).
Target target(const DeviceContext& d);
// The clip area in pixel coordinates before the clip region is applied.
gfx::Region visiblePixels(const DeviceContext& d);

// True when an object is selected into some DC, now or in a saved state.
bool isSelected(HGDIOBJ h);

}  // namespace plat::gdi
