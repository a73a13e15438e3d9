#include "gfx/image_file.h"

#include <cstring>
#include <initializer_list>
#include <vector>

#include "base/error.h"
#include "base/file.h"
#include "gfx/bmp_file.h"
#include "gfx/jpeg_file.h"
#include "gfx/png_file.h"

namespace gfx {

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> signature)
{
    return bytes.size() >= signature.size() && std::memcmp(bytes.data(), signature.begin(), signature.size()) == 0;
}

}  // namespace

Bitmap decodeImage(std::span<const std::uint8_t> bytes)
{
    if (startsWith(bytes, {'B', 'M'}))
        return readBmp(bytes);
    if (startsWith(bytes, {0xFF, 0xD8, 0xFF}))
        return readJpeg(bytes);
    if (startsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return readPng(bytes);
    throw base::Error("Unknown image format");
}

Bitmap loadImageFile(const std::string& path)
{
    const std::string bytes = base::readFileBytes(path, kMaxImageFileBytes);
    try {
        return decodeImage({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    } catch (const base::Error& e) {
        throw base::Error(path + ": " + e.what());
    }
}

void savePng(const Bitmap& bitmap, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = writePng(bitmap);
    } catch (const base::Error& e) {
        throw base::Error(path + ": " + e.what());
    }
    base::writeFileBytes(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

void saveBmp(const Bitmap& bitmap, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = writeBmp(bitmap);
    } catch (const base::Error& e) {
        throw base::Error(path + ": " + e.what());
    }
    base::writeFileBytes(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace gfx
