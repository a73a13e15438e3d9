#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/error.h"
#include "plat/gdi/device_context.h"
#include "plat/gdi/gdi_object.h"
#include "plat/gdi/objects.h"

namespace plat {

using namespace gdi;

namespace {

bool sizeOk(int width, int height)
{
    return width > 0 && height > 0 && width <= gfx::Bitmap::kMaxDimension && height <= gfx::Bitmap::kMaxDimension;
}

void setStandardPalette(gfx::Bitmap& b)
{
    if (b.bitsPerPixel() == 1) b.palette() = {gfx::kBlack, gfx::kWhite};
}

}  // namespace

HBITMAP CreateBitmapFromPixels(gfx::Bitmap pixels) { return HBITMAP(addObject({BitmapData{std::move(pixels)}})); }

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height)
{
    int bpp = 32;
    if (DeviceContext* d = dc(hdc); d && d->memory) {
        const gfx::Bitmap* selected = BitmapPixels(d->state.bitmap);
        if (selected && selected->bitsPerPixel() == 1) bpp = 1;
    }
    if (!sizeOk(width, height)) return {};
    try {
        gfx::Bitmap b(width, height, bpp);
        setStandardPalette(b);
        return CreateBitmapFromPixels(std::move(b));
    } catch (const base::Error&) {
        return {};
    }
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (planes != 1 || !sizeOk(width, height)) return {};
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        return {};
    try {
        gfx::Bitmap b(width, height, int(bitsPerPixel));
        setStandardPalette(b);
        if (bits) {
            // Device-dependent rows are padded to 2 bytes.
            std::size_t rowBytes = (std::size_t(width) * bitsPerPixel + 7) / 8;
            std::size_t srcStride = (rowBytes + 1) & ~std::size_t(1);
            const auto* src = static_cast<const std::uint8_t*>(bits);
            for (int y = 0; y < height; ++y) std::memcpy(b.row(y), src + std::size_t(y) * srcStride, rowBytes);
        }
        return CreateBitmapFromPixels(std::move(b));
    } catch (const base::Error&) {
        return {};
    }
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bitsOut, void*, DWORD)
{
    if (bitsOut) *bitsOut = nullptr;
    if (!info || usage != DIB_RGB_COLORS) return {};
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biCompression != BI_RGB || h.biPlanes != 1) return {};
    int bpp = h.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return {};
    if (h.biHeight == INT32_MIN) return {};
    int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (!sizeOk(h.biWidth, height)) return {};
    try {
        gfx::Bitmap b(h.biWidth, height, bpp, h.biHeight < 0 ? gfx::RowOrder::TopDown : gfx::RowOrder::BottomUp);
        if (bpp <= 8) {
            std::size_t count = std::size_t(1) << bpp;
            std::size_t used = h.biClrUsed ? std::min<std::size_t>(h.biClrUsed, count) : count;
            b.palette().assign(count, gfx::kBlack);
            for (std::size_t i = 0; i < used; ++i) {
                std::uint32_t q = info->bmiColors[i];  // blue in the low byte
                b.palette()[i] = RGB(BYTE(q >> 16), BYTE(q >> 8), BYTE(q));
            }
        }
        HBITMAP result = CreateBitmapFromPixels(std::move(b));
        if (bitsOut) *bitsOut = BitmapPixels(result)->bits();
        return result;
    } catch (const base::Error&) {
        return {};
    }
}

gfx::Bitmap* BitmapPixels(HBITMAP bitmap)
{
    BitmapData* b = objectAs<BitmapData>(bitmap);
    return b ? &b->pixels : nullptr;
}

}  // namespace plat
