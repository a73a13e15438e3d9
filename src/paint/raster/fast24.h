#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/geometry.h"

namespace paint {

// A new working bitmap: 24 bits, bottom-up rows as the drawing interface keeps them, black.
gfx::Bitmap CreateBmp24(int width, int height);

// Quick reader of a 24-bit bitmap. Bitmaps under 2 pixels wide or high are refused
// (width stays 0), and every routine built on it then does nothing.
class TacFast24 {
public:
    bool Attach(const gfx::Bitmap& bitmap);
    // No bounds test: callers test against Width and Height.
    gfx::Color Pixel(int x, int y) const
    {
        const std::uint8_t* p = Row0 + y * Delta + 3 * x;
        return gfx::rgb(p[2], p[1], p[0]);
    }

    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Delta = 0;
    const std::uint8_t* Row0 = nullptr;
};

// Mixes a source rectangle into a destination rectangle of another (or the same) bitmap:
// D := (D * w + S * (255 - w) + 127) >> 8. The divisor is 256, so white on white gives 254.
class TacFastSum24 {
public:
    // Both bitmaps must be 24-bit and at least 2 x 2.
    bool Attach(const gfx::Bitmap& source, gfx::Bitmap& destination);
    // Mixes SrcRect's top-left onward into DstRect (right and bottom outside); the caller keeps
    // both inside their bitmaps and the same size.
    void BlendRect();

    int Width = 0;   // the smaller width of the two bitmaps
    int Height = 0;  // the smaller height
    const std::uint8_t* SrcRow0 = nullptr;
    std::uint8_t* DstRow0 = nullptr;
    std::ptrdiff_t SrcDelta = 0;
    std::ptrdiff_t DstDelta = 0;
    std::uint8_t Weight = 0;
    gfx::Rect DstRect;
    gfx::Rect SrcRect;
};

// One row of the two-bitmap mix; kept apart so the compiler vectorises it.
void blendRow(std::uint8_t* dst, const std::uint8_t* src, int bytes, unsigned weight);

}  // namespace paint
