#include <cstring>

#include "plat/gdi/device_context.h"
#include "plat/gdi/gdi_object.h"
#include "plat/gdi/objects.h"

namespace plat {

using namespace gdi;

HGDIOBJ GetStockObject(int which) { return stockObject(which); }

BOOL DeleteObject(HGDIOBJ h)
{
    GdiObject* o = object(h);
    // Deleting what a DC still uses would leave the DC drawing with a dead object.
    if (!o || o->stock || isSelected(h)) return 0;
    objectTable().remove(h);
    return 1;
}

UINT GetObjectType(HGDIOBJ h)
{
    GdiObject* o = object(h);
    if (!o) return 0;
    switch (o->data.index()) {
    case 0: return OBJ_BITMAP;
    case 1: return OBJ_BRUSH;
    case 2: return OBJ_PEN;
    case 3: return OBJ_FONT;
    case 4: return OBJ_REGION;
    default: return 0;  // icons are not drawing objects of their own kind
    }
}

namespace {

template <class T>
int copyOut(const T& value, int size, void* out)
{
    if (!out) return int(sizeof(T));
    if (size < int(sizeof(T))) return 0;
    *static_cast<T*>(out) = value;
    return int(sizeof(T));
}

}  // namespace

int GetObject(HGDIOBJ h, int size, void* out)
{
    GdiObject* o = object(h);
    if (!o) return 0;
    if (auto* b = std::get_if<BitmapData>(&o->data)) {
        gfx::Bitmap& p = b->pixels;
        BITMAP bm;
        bm.bmWidth = p.width();
        bm.bmHeight = p.height();
        bm.bmWidthBytes = int(p.stride());
        bm.bmBitsPixel = WORD(p.bitsPerPixel());
        bm.bmBits = p.bits();
        bm.bmRow0 = p.row0();
        bm.bmRowDelta = p.rowDelta();
        return copyOut(bm, size, out);
    }
    if (auto* br = std::get_if<BrushData>(&o->data)) {
        LOGBRUSH lb;
        lb.lbStyle = br->style;
        lb.lbColor = brushColor(*br);
        return copyOut(lb, size, out);
    }
    if (auto* pen = std::get_if<PenData>(&o->data)) {
        LOGPEN lp;
        lp.lopnStyle = UINT(pen->style);
        lp.lopnWidth = {pen->width, 0};
        lp.lopnColor = pen->color;
        return copyOut(lp, size, out);
    }
    if (auto* f = std::get_if<FontData>(&o->data)) return copyOut(f->logFont, size, out);
    return 0;
}

}  // namespace plat
