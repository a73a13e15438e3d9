#include <array>

#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/gdi_object.h"
#include "plat/state/run_state.h"
#include "plat/system/sys_colors.h"

namespace plat::gdi {

HandleTable<HGDIOBJ, GdiObject>& objectTable() { return RunPart<HandleTable<HGDIOBJ, GdiObject>>(); }

GdiObject* object(HGDIOBJ h) { return objectTable().get(h); }

HGDIOBJ addObject(GdiObject o) { return objectTable().add(std::make_unique<GdiObject>(std::move(o))); }

gfx::Bitmap makeMono(int width, int height)
{
    gfx::Bitmap b(width, height, 1);
    b.palette() = {gfx::kBlack, gfx::kWhite};
    return b;
}

namespace {

HGDIOBJ addStock(GdiObject o)
{
    o.stock = true;
    return addObject(std::move(o));
}

GdiObject solidBrush(COLORREF c) { return {BrushData{BS_SOLID, c, -1, {}}}; }
GdiObject pen(int style, COLORREF c) { return {PenData{style, 1, c}}; }
GdiObject font(const char* face, int height)
{
    FontData f;
    f.logFont.lfHeight = height;
    f.logFont.lfFaceName = face;
    return {std::move(f)};
}

struct Stock {
    std::array<HGDIOBJ, DC_PEN + 1> objects{};
    HBITMAP monoBitmap;

    Stock()
    {
        objects[WHITE_BRUSH] = addStock(solidBrush(RGB(255, 255, 255)));
        objects[LTGRAY_BRUSH] = addStock(solidBrush(RGB(192, 192, 192)));
        objects[GRAY_BRUSH] = addStock(solidBrush(RGB(128, 128, 128)));
        objects[DKGRAY_BRUSH] = addStock(solidBrush(RGB(64, 64, 64)));
        objects[BLACK_BRUSH] = addStock(solidBrush(RGB(0, 0, 0)));
        objects[NULL_BRUSH] = addStock({BrushData{BS_NULL, 0, -1, {}}});
        objects[WHITE_PEN] = addStock(pen(PS_SOLID, RGB(255, 255, 255)));
        objects[BLACK_PEN] = addStock(pen(PS_SOLID, RGB(0, 0, 0)));
        objects[NULL_PEN] = addStock(pen(PS_NULL, 0));
        objects[OEM_FIXED_FONT] = addStock(font("Terminal", -12));
        objects[ANSI_FIXED_FONT] = addStock(font("Courier New", -13));
        objects[ANSI_VAR_FONT] = addStock(font("MS Sans Serif", -11));
        objects[SYSTEM_FONT] = addStock(font("MS Sans Serif", -11));
        objects[DEVICE_DEFAULT_FONT] = addStock(font("MS Sans Serif", -11));
        objects[SYSTEM_FIXED_FONT] = addStock(font("Courier New", -13));
        objects[DEFAULT_GUI_FONT] = addStock(font("MS Sans Serif", -11));
        // The DC brush and pen draw in each DC's own DC colours (brush: sysColor -2, pen: CLR_INVALID).
        objects[DC_BRUSH] = addStock({BrushData{BS_SOLID, 0xFFFFFF, -2, {}}});
        objects[DC_PEN] = addStock({PenData{PS_SOLID, 1, CLR_INVALID}});
        monoBitmap = HBITMAP(addStock({BitmapData{makeMono(1, 1)}}));
    }
};

Stock& stock() { return RunPart<Stock>(); }

}  // namespace

HGDIOBJ stockObject(int which)
{
    if (which < 0 || which >= int(stock().objects.size())) return {};
    return stock().objects[std::size_t(which)];
}

HBITMAP defaultBitmap() { return stock().monoBitmap; }

COLORREF brushColor(const BrushData& b) { return b.sysColor >= 0 ? GetSysColor(b.sysColor) : b.color; }

const gfx::Font* fontOf(const FontData& f)
{
    if (!f.font) {
        gfx::FontDesc d;
        if (!f.logFont.lfFaceName.empty()) d.face = f.logFont.lfFaceName;
        d.height = f.logFont.lfHeight;
        d.weight = f.logFont.lfWeight > 0 ? f.logFont.lfWeight : FW_NORMAL;
        d.italic = f.logFont.lfItalic != 0;
        d.underline = f.logFont.lfUnderline != 0;
        d.strikeOut = f.logFont.lfStrikeOut != 0;
        f.font = gfx::Font::open(d);
    }
    return f.font.get();
}

}  // namespace plat::gdi
