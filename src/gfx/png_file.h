#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx {

// Decodes a PNG of any colour type and depth to a top-down 24-bit bitmap; alpha is dropped.
// Damaged, truncated or oversized files throw base::Error.
Bitmap readPng(std::span<const std::uint8_t> bytes);

// Encodes a bitmap of any depth as an 8-bit RGB PNG. An empty bitmap throws base::Error.
std::vector<std::uint8_t> writePng(const Bitmap& bitmap);

}  // namespace gfx
