#pragma once

#include <memory>
#include <variant>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "gfx/region.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/handle_table.h"

namespace plat::gdi {

// What lies behind an HGDIOBJ (internal to the drawing interface).
struct BitmapData {
    gfx::Bitmap pixels;
};
struct BrushData {
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int sysColor = -1;           // >= 0: follows this system colour
    gfx::Bitmap pattern;         // BS_PATTERN: any depth; mono maps to text/background colours
};
struct PenData {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};
struct FontData {
    LOGFONT logFont;
    mutable std::shared_ptr<gfx::Font> font;  // opened on first use
};
struct RegionData {
    gfx::Region region;
};
struct IconData {
    gfx::Bitmap color;  // 32-bit
    gfx::Bitmap mask;   // 1-bit, 1 = transparent
    bool isIcon = true;
    DWORD hotX = 0;
    DWORD hotY = 0;
};

struct GdiObject {
    std::variant<BitmapData, BrushData, PenData, FontData, RegionData, IconData> data;
    bool stock = false;
};

HandleTable<HGDIOBJ, GdiObject>& objectTable();
GdiObject* object(HGDIOBJ h);
HGDIOBJ addObject(GdiObject object);

template <class T>
T* objectAs(HGDIOBJ h)
{
    GdiObject* o = object(h);
    return o ? std::get_if<T>(&o->data) : nullptr;
}

// Stock objects by GetStockObject index, plus the 1x1 mono bitmap of fresh memory DCs.
HGDIOBJ stockObject(int which);
HBITMAP defaultBitmap();

// The brush colour, resolving system-colour brushes.
COLORREF brushColor(const BrushData& b);
const gfx::Font* fontOf(const FontData& f);
// A mono bitmap with the black/white palette.
gfx::Bitmap makeMono(int width, int height);

}  // namespace plat::gdi
