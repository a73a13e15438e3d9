#include "plat/services/bitmap_cursors.h"

#include <algorithm>
#include <memory>

#include "plat/gdi/objects.h"
#include "plat/handle_table.h"
#include "plat/state/run_state.h"

namespace plat {

namespace {

HandleTable<HCURSOR, CursorImage>& Cursors() { return RunPart<HandleTable<HCURSOR, CursorImage>>(); }

constexpr std::uint32_t kOpaque = 0xFF000000u;

bool SaneSize(int w, int h) { return w > 0 && h > 0 && w <= kMaxCursorSide && h <= kMaxCursorSide; }

HCURSOR Add(CursorImage image)
{
    image.hotSpot.x = std::clamp(image.hotSpot.x, 0, image.width - 1);
    image.hotSpot.y = std::clamp(image.hotSpot.y, 0, image.height - 1);
    return Cursors().add(std::make_unique<CursorImage>(std::move(image)));
}

std::uint32_t ArgbOf(gfx::Color c)
{
    return kOpaque | (std::uint32_t(gfx::red(c)) << 16) | (std::uint32_t(gfx::green(c)) << 8) | gfx::blue(c);
}

bool MaskBit(const gfx::Bitmap& mask, int x, int y) { return (mask.pixel(x, y) & 0xFFFFFF) != 0; }

}  // namespace

HCURSOR CreateCursor(int xHotSpot, int yHotSpot, int width, int height, const void* andPlane, const void* xorPlane)
{
    if (!SaneSize(width, height) || !andPlane || !xorPlane) return {};
    const auto* a = static_cast<const std::uint8_t*>(andPlane);
    const auto* x = static_cast<const std::uint8_t*>(xorPlane);
    std::size_t stride = std::size_t((width + 15) / 16) * 2;
    CursorImage img{width, height, std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height)),
                    {xHotSpot, yHotSpot}};
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            std::size_t byte = std::size_t(row) * stride + std::size_t(col / 8);
            int bit = 7 - col % 8;
            bool andBit = (a[byte] >> bit) & 1, xorBit = (x[byte] >> bit) & 1;
            std::uint32_t& p = img.argb[std::size_t(row) * std::size_t(width) + std::size_t(col)];
            if (andBit) p = xorBit ? kOpaque : 0;  // inverting shown as black
            else p = xorBit ? 0xFFFFFFFFu : kOpaque;
        }
    }
    return Add(std::move(img));
}

HCURSOR CreateCursorIndirect(const ICONINFO* info)
{
    if (!info) return {};
    const gfx::Bitmap* mask = BitmapPixels(info->hbmMask);
    const gfx::Bitmap* colour = info->hbmColor ? BitmapPixels(info->hbmColor) : nullptr;
    if (!mask || (info->hbmColor && !colour)) return {};
    // Without a colour bitmap the mask holds both planes: AND on top, XOR below.
    int w = mask->width(), h = colour ? mask->height() : mask->height() / 2;
    if (colour && (colour->width() != w || colour->height() != h)) return {};
    if (!SaneSize(w, h)) return {};
    CursorImage img{w, h, std::vector<std::uint32_t>(std::size_t(w) * std::size_t(h)),
                    {int(info->xHotspot), int(info->yHotspot)}};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool andBit = MaskBit(*mask, x, y);
            gfx::Color c = colour ? colour->pixel(x, y) : (MaskBit(*mask, x, y + h) ? gfx::kWhite : gfx::kBlack);
            std::uint32_t& p = img.argb[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            if (andBit) p = (c & 0xFFFFFF) ? kOpaque : 0;
            else p = ArgbOf(c);
        }
    }
    return Add(std::move(img));
}

HCURSOR CreateCursorFromPixels(int width, int height, const std::uint32_t* argb, POINT hotSpot)
{
    if (!SaneSize(width, height) || !argb) return {};
    CursorImage img{width, height, {}, hotSpot};
    img.argb.assign(argb, argb + std::size_t(width) * std::size_t(height));
    // Backends show a cursor as shown or not at each pixel.
    for (std::uint32_t& p : img.argb) p = (p >> 24) >= 0x80 ? (p | kOpaque) : 0;
    return Add(std::move(img));
}

BOOL DestroyCursor(HCURSOR cursor) { return Cursors().remove(cursor) ? TRUE : FALSE; }

const CursorImage* CursorImageOf(HCURSOR cursor) { return cursor.value > 0xFFFF ? Cursors().get(cursor) : nullptr; }

}  // namespace plat
