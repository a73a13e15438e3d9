#pragma once

#include <cstdint>
#include <span>

#include "gfx/bitmap.h"

namespace gfx {

// The largest JPEG we decode; skin textures are far smaller.
constexpr int kMaxJpegDimension = 16384;
constexpr std::size_t kMaxJpegBytes = std::size_t(256) << 20;

// Decodes a baseline or progressive JPEG (colour, grey or CMYK) to a top-down 24-bit bitmap.
// Damaged, truncated or oversized files throw base::Error.
Bitmap readJpeg(std::span<const std::uint8_t> bytes);

}  // namespace gfx
