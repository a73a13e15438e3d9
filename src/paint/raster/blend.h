#pragma once

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/geometry.h"

namespace paint {

// Mixes source into destination with weight w (the destination's share out of 256);
// nothing unless both are the same size.
void SumBitmaps(gfx::Bitmap& destination, const gfx::Bitmap& source, std::uint8_t weight);
// Mixes source rectangle (right and bottom outside) into destination at point, clipped to both.
void SumBitmapRect(gfx::Bitmap& destination, const gfx::Bitmap& source, std::uint8_t weight,
                   gfx::Point point, gfx::Rect sourceRect);

// Inclusive rectangle: each channel becomes round(e * old + (1 - e) * colour), e = percent / 100,
// ties to even. percent is the share of the old picture that stays.
void BlendColorRect(gfx::Bitmap& bitmap, gfx::Rect inclusive, int percent, gfx::Color color);

// Per channel round(k * (a - b) + b), ties to even; a's high byte passes unchanged.
gfx::Color MixColors(gfx::Color a, gfx::Color b, double k);

// Inclusive source rectangle mixed onto destination at (x, y): d := round(s - k * (s - d)),
// skipping source pixels equal to key (a key above 0xFEFFFFFF means no key).
void BlendTransRect(gfx::Bitmap& destination, int x, int y, gfx::Color key, double k,
                    gfx::Rect inclusive, const gfx::Bitmap& source);

// Each pixel's channels become (B + G + R) / 3.
void GrayscaleBitmap(gfx::Bitmap& bitmap);

}  // namespace paint
