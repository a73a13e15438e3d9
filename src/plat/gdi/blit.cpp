#include "plat/gdi/blit.h"

#include <cstdlib>

#include "plat/gdi/paint.h"
#include "plat/gdi/raster.h"

namespace plat {

using namespace gdi;

namespace {

bool monoBit(const gfx::Bitmap& b, int x, int y) { return (b.row(y)[x / 8] >> (7 - (x & 7))) & 1; }

// The source as seen by the destination: colour conversion between mono and colour.
struct SourceReader {
    const gfx::Bitmap* bitmap = nullptr;
    bool monoToColor = false;
    bool colorToMono = false;
    COLORREF destText = 0, destBk = 0, srcBk = 0;

    COLORREF at(int x, int y) const
    {
        if (monoToColor) return monoBit(*bitmap, x, y) ? destBk : destText;
        COLORREF c = bitmap->pixel(x, y);
        if (colorToMono) return c == srcBk ? 0xFFFFFF : 0x000000;
        return c;
    }
};

// Maps destination offset i in [0, n) to a source offset in [0, m) by nearest sample; mirror flips.
int sample(int i, int n, int m, bool mirror)
{
    long long s = (2LL * i + 1) * m / (2LL * n);
    if (mirror) s = m - 1 - s;
    return int(s);
}

BOOL blit(HDC destDc, int x, int y, int w, int h, HDC srcDc, int sx, int sy, int sw, int sh, DWORD rop)
{
    Drawable dest = drawable(destDc);
    if (!dest.dc) return 0;
    bool useSource = ropUsesSource(rop);
    Drawable src;
    SourceReader reader;
    if (useSource) {
        src = drawable(srcDc);
        if (!src.dc) return 0;
        if (!src.target.bitmap) return 1;
        reader.bitmap = src.target.bitmap;
        bool srcMono = reader.bitmap->bitsPerPixel() == 1;
        bool destMono = dest.target.bitmap && dest.target.bitmap->bitsPerPixel() == 1;
        reader.monoToColor = srcMono && !destMono;
        reader.colorToMono = !srcMono && destMono;
        reader.destText = dest.dc->state.textColor;
        reader.destBk = dest.dc->state.bkColor;
        reader.srcBk = src.dc->state.bkColor;
    }
    if (!dest) return 1;
    if (w == 0 || h == 0 || (useSource && (sw == 0 || sh == 0))) return 1;

    bool mirrorX = (w < 0) != (sw < 0), mirrorY = (h < 0) != (sh < 0);
    gfx::Rect logical{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
    int srcLeft = std::min(sx, sx + sw), srcTop = std::min(sy, sy + sh);
    int aw = std::abs(w), ah = std::abs(h), asw = std::abs(sw), ash = std::abs(sh);

    gfx::Bitmap& out = *dest.target.bitmap;
    gfx::Rect pixels = logical.offset(dest.target.offset);
    BrushPaint brush;
    if (ropUsesPattern(rop)) brush = brushPaint(*dest.dc, dest.target, dest.dc->state.brush);
    gfx::Rect srcBounds = useSource ? reader.bitmap->rect() : gfx::Rect{};
    gfx::Point srcOffset = useSource ? src.target.offset : gfx::Point{};
    bool oneToOne = aw == asw && ah == ash && !mirrorX && !mirrorY;

    forEachClipped(dest.target.clip, pixels, [&](const gfx::Rect& part) {
        for (int py = part.top; py < part.bottom; ++py) {
            int sy0 = 0;
            if (useSource) {
                int dy = py - pixels.top;
                sy0 = srcTop + (oneToOne ? dy : sample(dy, ah, ash, mirrorY)) + srcOffset.y;
                if (sy0 < srcBounds.top || sy0 >= srcBounds.bottom) continue;
            }
            for (int px = part.left; px < part.right; ++px) {
                COLORREF s = 0;
                if (useSource) {
                    int dx = px - pixels.left;
                    int sx0 = srcLeft + (oneToOne ? dx : sample(dx, aw, asw, mirrorX)) + srcOffset.x;
                    if (sx0 < srcBounds.left || sx0 >= srcBounds.right) continue;
                    s = reader.at(sx0, sy0);
                }
                COLORREF p = brush.null ? 0 : brush.at(px, py);
                COLORREF d = rop == SRCCOPY || rop == PATCOPY ? 0 : readPixel(out, px, py);
                writePixel(out, px, py, applyRop3(rop, p, s, d));
            }
        }
    });
    return 1;
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop)
{
    if (width < 0 || height < 0) return 1;
    return blit(dest, x, y, width, height, src, srcX, srcY, width, height, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop)
{
    return blit(dest, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop);
}

BOOL PatBlt(HDC dest, int x, int y, int width, int height, DWORD rop)
{
    if (ropUsesSource(rop)) return 0;
    return blit(dest, x, y, width, height, HDC(), 0, 0, 0, 0, rop);
}

}  // namespace plat
