#pragma once

#include <cstdint>
#include <span>

#include "gfx/bitmap.h"

namespace gfx {

// One picture of an icon file: its colours and a 1-bit mask of the same size (1: transparent).
struct IconImage {
    Bitmap color;
    Bitmap mask;
};

// Reads an icon file (.ico). Of its pictures the one whose width is nearest to `size` is taken,
// the one with more bits per pixel among equals. Pictures kept as BMP data keep their depth and
// mask; PNG pictures become 24-bit with an empty (opaque) mask. Damaged files throw base::Error.
IconImage readIco(std::span<const std::uint8_t> bytes, int size = 32);

}  // namespace gfx
