#include "gfx/ico_file.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/error.h"
#include "gfx/bmp_file.h"
#include "gfx/png_file.h"

namespace gfx {

namespace {

[[noreturn]] void fail(const std::string& what)
{
    throw base::Error("Damaged icon file: " + what);
}

std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) { return std::uint16_t(b[at] | (b[at + 1] << 8)); }
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
           (std::uint32_t(b[at + 3]) << 24);
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

struct Entry {
    int width = 0;  // 0 in the directory means 256
    int bits = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

IconImage readPngPicture(std::span<const std::uint8_t> data)
{
    IconImage icon;
    icon.color = readPng(data);
    icon.mask = Bitmap(icon.color.width(), icon.color.height(), 1);
    icon.mask.palette() = {kBlack, kWhite};
    return icon;
}

// A BMP picture is a bitmap header whose height counts both halves, the palette, the colour
// rows and then the rows of the 1-bit mask.
IconImage readBmpPicture(std::span<const std::uint8_t> data)
{
    if (data.size() < 40) fail("picture header cut off");
    std::uint32_t headerSize = le32(data, 0);
    if (headerSize < 40 || headerSize > data.size()) fail("bad picture header");
    auto width = std::int32_t(le32(data, 4));
    auto doubleHeight = std::int32_t(le32(data, 8));
    int bits = le16(data, 14);
    std::uint32_t colorsUsed = le32(data, 32);
    if (width <= 0 || doubleHeight <= 0 || doubleHeight % 2 != 0 || width > Bitmap::kMaxDimension ||
        doubleHeight / 2 > Bitmap::kMaxDimension)
        fail("bad picture size");
    int height = doubleHeight / 2;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) fail("unsupported depth");
    std::uint64_t paletteCount = bits <= 8 ? (colorsUsed ? colorsUsed : (1u << bits)) : 0;
    if (paletteCount > 256) fail("bad palette size");
    std::uint64_t pixelsAt = headerSize + paletteCount * 4;
    std::uint64_t colorBytes = std::uint64_t(bitmapStride(width, bits)) * std::uint64_t(height);
    std::uint64_t maskStride = bitmapStride(width, 1);
    std::uint64_t maskAt = pixelsAt + colorBytes;
    if (maskAt > data.size()) fail("picture cut off");

    // The colour half as a BMP file of its own.
    std::vector<std::uint8_t> file(14 + std::size_t(maskAt));
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, std::uint32_t(file.size()));
    put32(file, 10, std::uint32_t(14 + pixelsAt));
    std::memcpy(file.data() + 14, data.data(), std::size_t(maskAt));
    put32(file, 14 + 8, std::uint32_t(height));
    IconImage icon;
    icon.color = readBmp(file);

    // A file without its mask rows shows every pixel.
    icon.mask = Bitmap(width, height, 1, RowOrder::BottomUp);
    icon.mask.palette() = {kBlack, kWhite};
    if (maskAt + maskStride * std::uint64_t(height) <= data.size()) {
        for (int y = 0; y < height; ++y)
            std::memcpy(icon.mask.row(height - 1 - y) , data.data() + maskAt + maskStride * std::uint64_t(y),
                        std::size_t(maskStride));
    }
    return icon;
}

}  // namespace

IconImage readIco(std::span<const std::uint8_t> bytes, int size)
{
    if (bytes.size() < 6 || le16(bytes, 0) != 0 || (le16(bytes, 2) != 1 && le16(bytes, 2) != 2))
        fail("no icon signature");
    const int count = le16(bytes, 4);
    if (count == 0) fail("no pictures");
    if (6 + std::size_t(count) * 16 > bytes.size()) fail("directory cut off");

    const Entry* best = nullptr;
    std::vector<Entry> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::size_t at = 6 + std::size_t(i) * 16;
        Entry& e = entries[std::size_t(i)];
        e.width = bytes[at] == 0 ? 256 : bytes[at];
        e.bits = le16(bytes, at + 6);
        e.size = le32(bytes, at + 8);
        e.offset = le32(bytes, at + 12);
        if (std::uint64_t(e.offset) + e.size > bytes.size() || e.size == 0) continue;
        if (!best) {
            best = &e;
            continue;
        }
        int d = std::abs(e.width - size), bestD = std::abs(best->width - size);
        if (d < bestD || (d == bestD && e.bits > best->bits)) best = &e;
    }
    if (!best) fail("no picture lies inside the file");
    std::span<const std::uint8_t> data = bytes.subspan(best->offset, best->size);
    static constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G'};
    if (data.size() >= 4 && std::memcmp(data.data(), kPngSignature, 4) == 0) return readPngPicture(data);
    return readBmpPicture(data);
}

}  // namespace gfx
