#include "plat/gdi/icons.h"

#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/objects.h"
#include "plat/gdi/paint.h"
#include "plat/gdi/raster.h"
#include "plat/system/sys_metrics.h"

namespace plat {

using namespace gdi;

namespace {

bool monoBit(const gfx::Bitmap& b, int x, int y) { return (b.row(y)[x / 8] >> (7 - (x & 7))) & 1; }

// A mono copy: bits set where the source pixel is white (any depth).
gfx::Bitmap monoCopy(const gfx::Bitmap& src, int top, int height)
{
    gfx::Bitmap m = makeMono(src.width(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < src.width(); ++x) {
            bool bit = src.bitsPerPixel() == 1 ? monoBit(src, x, top + y) : src.pixel(x, top + y) == 0xFFFFFF;
            m.setPixel(x, y, bit ? 1 : 0);
        }
    return m;
}

gfx::Bitmap colorCopy(const gfx::Bitmap& src, int top, int height)
{
    gfx::Bitmap c(src.width(), height, 32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < src.width(); ++x) c.setPixel(x, y, src.pixel(x, top + y));
    return c;
}

}  // namespace

HICON CreateIconIndirect(const ICONINFO* info)
{
    if (!info) return {};
    const gfx::Bitmap* mask = BitmapPixels(info->hbmMask);
    if (!mask || mask->empty()) return {};
    const gfx::Bitmap* color = BitmapPixels(info->hbmColor);
    IconData icon;
    icon.isIcon = info->fIcon != 0;
    icon.hotX = info->xHotspot;
    icon.hotY = info->yHotspot;
    if (color) {
        if (color->width() != mask->width() || color->height() != mask->height()) return {};
        icon.mask = monoCopy(*mask, 0, mask->height());
        icon.color = colorCopy(*color, 0, color->height());
    } else {
        // A mono icon: the AND mask above the XOR image in one bitmap.
        if (mask->height() < 2) return {};
        int h = mask->height() / 2;
        icon.mask = monoCopy(*mask, 0, h);
        icon.color = colorCopy(*mask, h, h);
    }
    return HICON(addObject({std::move(icon)}));
}

BOOL DestroyIcon(HICON icon)
{
    if (!objectAs<IconData>(icon)) return 0;
    return DeleteObject(icon);
}

BOOL GetIconInfo(HICON icon, ICONINFO* info)
{
    const IconData* i = objectAs<IconData>(icon);
    if (!i || !info) return 0;
    info->fIcon = i->isIcon ? 1 : 0;
    info->xHotspot = i->hotX;
    info->yHotspot = i->hotY;
    info->hbmMask = CreateBitmapFromPixels(i->mask);
    info->hbmColor = CreateBitmapFromPixels(i->color);
    return 1;
}

SIZE IconSize(HICON icon)
{
    const IconData* i = objectAs<IconData>(icon);
    return i ? i->mask.size() : SIZE{};
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, {}, DI_NORMAL); }

BOOL DrawIconEx(HDC h, int x, int y, HICON icon, int width, int height, UINT, HBRUSH flickerFree, UINT flags)
{
    Drawable d = drawable(h);
    const IconData* i = objectAs<IconData>(icon);
    if (!d.dc || !i) return 0;
    if (!d) return 1;
    if (width <= 0) width = (flags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CXICON) : i->mask.width();
    if (height <= 0) height = (flags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CYICON) : i->mask.height();
    if ((flags & DI_NORMAL) == 0) flags |= DI_NORMAL;
    gfx::Rect p = gfx::Rect::fromSize(x, y, width, height).offset(d.target.offset);
    BrushPaint background;
    if (flickerFree) background = brushPaint(*d.dc, d.target, flickerFree);
    gfx::Bitmap& out = *d.target.bitmap;
    int iw = i->mask.width(), ih = i->mask.height();
    forEachClipped(d.target.clip, p, [&](const gfx::Rect& part) {
        for (int py = part.top; py < part.bottom; ++py) {
            int sy = int((2LL * (py - p.top) + 1) * ih / (2LL * height));
            for (int px = part.left; px < part.right; ++px) {
                int sx = int((2LL * (px - p.left) + 1) * iw / (2LL * width));
                COLORREF dst = background.null ? readPixel(out, px, py) : background.at(px, py);
                COLORREF mask = monoBit(i->mask, sx, sy) ? 0xFFFFFF : 0;
                COLORREF color = i->color.pixel(sx, sy);
                COLORREF result = dst;
                if ((flags & DI_NORMAL) == DI_NORMAL)
                    result = (dst & mask) ^ color;
                else if (flags & DI_MASK)
                    result = dst & mask;
                else
                    result = color;
                writePixel(out, px, py, result);
            }
        }
    });
    return 1;
}

}  // namespace plat
