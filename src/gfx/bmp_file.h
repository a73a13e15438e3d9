#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx {

// Reads a BMP file. 1-, 4-, 8-, 24- and 32-bit files keep their depth, palette and row order;
// 16-bit files, and 32-bit files whose masks are not plain B, G, R, become 24-bit. RLE4 and
// RLE8 decode to bottom-up 4 and 8 bits. Damaged files throw base::Error.
Bitmap readBmp(std::span<const std::uint8_t> bytes);

// Writes a bottom-up BMP: 24 bits for 24- and 32-bit bitmaps, 8 bits with a palette for
// palette bitmaps. An empty bitmap throws base::Error.
std::vector<std::uint8_t> writeBmp(const Bitmap& bitmap);

}  // namespace gfx
