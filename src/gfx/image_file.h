#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "gfx/bitmap.h"

namespace gfx {

// The largest image file we read into memory.
constexpr std::size_t kMaxImageFileBytes = std::size_t(256) << 20;

// Decodes a BMP, JPEG or PNG, recognised by its signature.
Bitmap decodeImage(std::span<const std::uint8_t> bytes);

// Reads and decodes an image file. Errors name the file.
Bitmap loadImageFile(const std::string& path);

// Write an image file (PNG: 24-bit RGB; BMP: as writeBmp). Errors name the file.
void savePng(const Bitmap& bitmap, const std::string& path);
void saveBmp(const Bitmap& bitmap, const std::string& path);

}  // namespace gfx
