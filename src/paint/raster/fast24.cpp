#include "paint/raster/fast24.h"

namespace paint {

gfx::Bitmap CreateBmp24(int width, int height)
{
    return gfx::Bitmap(width, height, 24, gfx::RowOrder::BottomUp);
}

namespace {
bool workable(const gfx::Bitmap& b)
{
    return b.bitsPerPixel() == 24 && b.width() >= 2 && b.height() >= 2;
}
}  // namespace

bool TacFast24::Attach(const gfx::Bitmap& bitmap)
{
    if (!workable(bitmap)) {
        Width = Height = 0;
        Row0 = nullptr;
        Delta = 0;
        return false;
    }
    Width = bitmap.width();
    Height = bitmap.height();
    Delta = bitmap.rowDelta();
    Row0 = bitmap.row0();
    return true;
}

bool TacFastSum24::Attach(const gfx::Bitmap& source, gfx::Bitmap& destination)
{
    if (!workable(source) || !workable(destination)) {
        Width = Height = 0;
        return false;
    }
    Width = std::min(source.width(), destination.width());
    Height = std::min(source.height(), destination.height());
    SrcRow0 = source.row0();
    SrcDelta = source.rowDelta();
    DstRow0 = destination.row0();
    DstDelta = destination.rowDelta();
    return true;
}

void blendRow(std::uint8_t* dst, const std::uint8_t* src, int bytes, unsigned weight)
{
    // 255 * 255 + 127 fits 16 bits: 16-bit lanes hold twice the bytes of 32-bit ones.
    const std::uint16_t w = std::uint16_t(weight);
    const std::uint16_t inverse = std::uint16_t(255 - weight);
    for (int k = 0; k < bytes; ++k)
        dst[k] = std::uint8_t(std::uint16_t(std::uint16_t(dst[k] * w) + std::uint16_t(src[k] * inverse) + 127) >> 8);
}

void TacFastSum24::BlendRect()
{
    const int w = DstRect.width();
    const int h = DstRect.height();
    if (w <= 0 || h <= 0) return;
    // Bottom row first, as the mix has always run; for distinct bitmaps the order is invisible.
    for (int j = h - 1; j >= 0; --j) {
        std::uint8_t* d = DstRow0 + (DstRect.top + j) * DstDelta + 3 * DstRect.left;
        const std::uint8_t* s = SrcRow0 + (SrcRect.top + j) * SrcDelta + 3 * SrcRect.left;
        blendRow(d, s, 3 * w, Weight);
    }
}

}  // namespace paint
