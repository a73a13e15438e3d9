#include "plat/gdi/raster.h"

#include <climits>

#include "plat/gdi/gdi_constants.h"

namespace plat::gdi {

void writePixel(gfx::Bitmap& b, int x, int y, COLORREF c)
{
    if (b.bitsPerPixel() >= 24) {
        b.setPixel(x, y, c);
        return;
    }
    const auto& pal = b.palette();
    unsigned best = 0;
    long bestDistance = LONG_MAX;
    for (unsigned i = 0; i < pal.size(); ++i) {
        long dr = long(GetRValue(pal[i])) - GetRValue(c);
        long dg = long(GetGValue(pal[i])) - GetGValue(c);
        long db = long(GetBValue(pal[i])) - GetBValue(c);
        long d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0) break;
        }
    }
    b.setPixel(x, y, best);
}

COLORREF applyRop3(DWORD rop, COLORREF p, COLORREF s, COLORREF d)
{
    switch (rop) {
    case SRCCOPY: return s;
    case PATCOPY: return p;
    case SRCPAINT: return s | d;
    case SRCAND: return s & d;
    case SRCINVERT: return (s ^ d) & 0xFFFFFF;
    case BLACKNESS: return 0;
    case WHITENESS: return 0xFFFFFF;
    default: break;
    }
    unsigned table = (rop >> 16) & 0xFF;
    COLORREF result = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(table & (1u << i))) continue;
        COLORREF term = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
        result |= term;
    }
    return result & 0xFFFFFF;
}

bool ropUsesSource(DWORD rop)
{
    unsigned t = (rop >> 16) & 0xFF;
    // Depends on S when swapping the S bit of the index changes the result somewhere.
    return ((t >> 2) & 0x33) != (t & 0x33);
}

bool ropUsesPattern(DWORD rop)
{
    unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

COLORREF applyRop2(int rop2, COLORREF pen, COLORREF d)
{
    switch (rop2) {
    case R2_COPYPEN: return pen;
    case R2_NOT: return ~d & 0xFFFFFF;
    case R2_XORPEN: return (pen ^ d) & 0xFFFFFF;
    case R2_NOP: return d;
    default: break;
    }
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) return pen;
    unsigned table = unsigned(rop2 - 1);
    COLORREF result = 0;
    for (unsigned i = 0; i < 4; ++i) {
        if (!(table & (1u << i))) continue;
        result |= ((i & 2) ? pen : ~pen) & ((i & 1) ? d : ~d);
    }
    return result & 0xFFFFFF;
}

void plotRop2(gfx::Bitmap& b, const gfx::Region& clip, int x, int y, COLORREF pen, int rop2)
{
    if (!clip.contains({x, y})) return;
    COLORREF d = rop2 == R2_COPYPEN ? 0 : readPixel(b, x, y);
    writePixel(b, x, y, applyRop2(rop2, pen, d));
}

void fillRectRop2(gfx::Bitmap& b, const gfx::Rect& r, COLORREF color, int rop2)
{
    if (rop2 == R2_NOP) return;
    if (rop2 == R2_COPYPEN && b.bitsPerPixel() >= 24) {
        b.fillRect(r, color);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) writePixel(b, x, y, applyRop2(rop2, color, readPixel(b, x, y)));
}

void fillRop2(gfx::Bitmap& b, const gfx::Region& clip, const gfx::Rect& r, COLORREF color, int rop2)
{
    forEachClipped(clip, r, [&](const gfx::Rect& part) { fillRectRop2(b, part, color, rop2); });
}

}  // namespace plat::gdi
