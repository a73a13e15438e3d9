#include "gfx/bmp_file.h"

#include <bit>
#include <cstring>
#include <string>

#include "base/error.h"

namespace gfx {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

[[noreturn]] void fail(const std::string& what)
{
    throw base::Error("Damaged BMP file: " + what);
}

std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint16_t(b[at] | (b[at + 1] << 8));
}

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
           (std::uint32_t(b[at + 3]) << 24);
}

struct Header {
    std::uint32_t headerSize = 0;
    std::uint32_t dataOffset = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: top-down
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t paletteStart = 0;
    std::size_t paletteEntrySize = 4;
};

Header parseHeader(std::span<const std::uint8_t> b)
{
    if (b.size() < kFileHeaderSize + 4 || b[0] != 'B' || b[1] != 'M')
        fail("no BMP signature");
    Header h;
    h.dataOffset = le32(b, 10);
    h.headerSize = le32(b, 14);
    if (h.headerSize != kCoreHeaderSize && h.headerSize < kInfoHeaderSize)
        fail("unknown header size " + std::to_string(h.headerSize));
    if (h.headerSize > b.size() - kFileHeaderSize)
        fail("header runs past the end of the file");
    const std::size_t at = kFileHeaderSize;
    if (h.headerSize == kCoreHeaderSize) {
        h.width = le16(b, at + 4);
        h.height = le16(b, at + 6);
        h.bpp = le16(b, at + 10);
        h.paletteEntrySize = 3;
    } else {
        h.width = std::int32_t(le32(b, at + 4));
        h.height = std::int32_t(le32(b, at + 8));
        h.bpp = le16(b, at + 14);
        h.compression = le32(b, at + 16);
        h.colorsUsed = le32(b, at + 32);
    }
    h.paletteStart = at + h.headerSize;

    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
        if (h.bpp != 16 && h.bpp != 32)
            fail("bit-field masks need 16 or 32 bits per pixel");
        std::size_t maskAt = at + kInfoHeaderSize;
        if (h.headerSize == kInfoHeaderSize) {
            // The masks follow a plain info header; the palette, if any, comes after them.
            std::size_t maskBytes = h.compression == kAlphaBitFields ? 16 : 12;
            if (maskAt + maskBytes > b.size())
                fail("colour masks run past the end of the file");
            h.paletteStart = maskAt + maskBytes;
        } else if (h.headerSize < kInfoHeaderSize + 12) {
            fail("header too short for colour masks");
        }
        for (int i = 0; i < 3; ++i)
            h.masks[i] = le32(b, maskAt + 4 * std::size_t(i));
    } else if (h.compression == kRgb) {
        if (h.bpp == 16) {
            h.masks[0] = 0x7C00;
            h.masks[1] = 0x03E0;
            h.masks[2] = 0x001F;
        } else if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 24 && h.bpp != 32) {
            fail("unsupported depth of " + std::to_string(h.bpp) + " bits");
        }
    } else if (h.compression == kRle8) {
        if (h.bpp != 8)
            fail("RLE8 needs 8 bits per pixel");
    } else if (h.compression == kRle4) {
        if (h.bpp != 4)
            fail("RLE4 needs 4 bits per pixel");
    } else {
        throw base::Error("Unsupported BMP compression " + std::to_string(h.compression));
    }

    if (h.width <= 0 || h.height == 0)
        fail("empty or negative image size");
    if (h.width > Bitmap::kMaxDimension || h.height > Bitmap::kMaxDimension ||
        -h.height > Bitmap::kMaxDimension)
        fail("image size " + std::to_string(h.width) + " x " + std::to_string(h.height) + " out of range");
    if (h.height < 0 && (h.compression == kRle4 || h.compression == kRle8))
        fail("compressed images cannot be top-down");
    if (h.dataOffset < h.paletteStart || h.dataOffset > b.size())
        fail("pixel data offset outside the file");
    return h;
}

std::vector<Color> readPalette(std::span<const std::uint8_t> b, const Header& h)
{
    std::size_t full = std::size_t(1) << h.bpp;
    std::size_t count = h.colorsUsed == 0 || h.colorsUsed > full ? full : h.colorsUsed;
    // Some writers leave the palette short and start the pixels right after it.
    std::size_t room = (h.dataOffset - h.paletteStart) / h.paletteEntrySize;
    if (count > room)
        count = room;
    if (count == 0)
        fail("palette missing");
    std::vector<Color> palette(full, kBlack);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = b.data() + h.paletteStart + i * h.paletteEntrySize;
        palette[i] = rgb(e[2], e[1], e[0]);
    }
    return palette;
}

// A channel taken out of a packed pixel by its mask and stretched to 8 bits.
struct Channel {
    std::uint32_t maskValue = 0;
    int shift = 0;
    std::uint64_t max = 0;

    explicit Channel(std::uint32_t mask)
    {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        max = (std::uint64_t(1) << std::bit_width(mask >> shift)) - 1;
        maskValue = mask;
    }
    std::uint8_t operator()(std::uint32_t v) const
    {
        if (max == 0)
            return 0;
        return std::uint8_t(((v & maskValue) >> shift) * 255 / max);
    }
};

Bitmap readUncompressed(std::span<const std::uint8_t> b, const Header& h, RowOrder order, int w, int rows)
{
    const bool plainBgr32 = h.bpp == 32 && (h.compression == kRgb ||
                                            (h.masks[0] == 0xFF0000 && h.masks[1] == 0xFF00 && h.masks[2] == 0xFF));
    const bool keepsDepth = h.bpp != 16 && (h.bpp != 32 || plainBgr32);
    const std::size_t fileStride = bitmapStride(w, h.bpp);
    if (fileStride * std::size_t(rows) > b.size() - h.dataOffset)
        fail("pixel data truncated");
    const std::uint8_t* src = b.data() + h.dataOffset;

    if (keepsDepth) {
        Bitmap out(w, rows, h.bpp, order);
        if (h.bpp <= 8)
            out.palette() = readPalette(b, h);
        // File rows and our rows share padding and order, so the whole block copies as it is.
        std::memcpy(out.bits(), src, out.byteSize());
        return out;
    }

    Bitmap out(w, rows, 24, order);
    const Channel r(h.masks[0]), g(h.masks[1]), bl(h.masks[2]);
    const int bytesPerPixel = h.bpp / 8;
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* s = src + fileStride * std::size_t(y);
        std::uint8_t* d = out.bits() + out.stride() * std::size_t(y);
        for (int x = 0; x < w; ++x, s += bytesPerPixel, d += 3) {
            std::uint32_t v = bytesPerPixel == 2 ? std::uint32_t(s[0] | (s[1] << 8))
                                                 : std::uint32_t(s[0]) | (std::uint32_t(s[1]) << 8) |
                                                       (std::uint32_t(s[2]) << 16) | (std::uint32_t(s[3]) << 24);
            d[0] = bl(v);
            d[1] = g(v);
            d[2] = r(v);
        }
    }
    return out;
}

void putIndex(Bitmap& bm, int x, int y, unsigned index)
{
    bm.setPixel(x, y, Color(index));
}

// RLE4 and RLE8 decode into a bottom-up palette bitmap; y counts from the bottom row of the file.
Bitmap readRle(std::span<const std::uint8_t> b, const Header& h, int w, int rows)
{
    // Every row needs at least an end-of-line or a share of a move (at most 255 rows for
    // 4 bytes); a height beyond that is a lie, and refusing it saves a huge empty bitmap.
    if (std::uint64_t(rows) > 64 * std::uint64_t(b.size() - h.dataOffset) + 1)
        fail("RLE data too short for the image height");
    Bitmap out(w, rows, h.bpp, RowOrder::BottomUp);
    out.palette() = readPalette(b, h);
    const bool four = h.compression == kRle4;
    std::size_t p = h.dataOffset;
    const std::size_t end = b.size();
    int x = 0;
    int y = 0;  // file row: 0 is the bottom row
    auto need = [&](std::size_t n) {
        if (end - p < n)
            fail("RLE data ends before the end-of-bitmap mark");
    };
    auto put = [&](unsigned index) {
        if (x >= w)
            fail("RLE run goes past the end of a row");
        if (y >= rows)
            fail("RLE data goes past the last row");
        putIndex(out, x, rows - 1 - y, index);
        ++x;
    };
    for (;;) {
        need(2);
        unsigned count = b[p];
        unsigned code = b[p + 1];
        p += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                put(four ? ((i & 1) ? (code & 0x0F) : (code >> 4)) : code);
            continue;
        }
        if (code == 0) {  // end of line
            x = 0;
            ++y;
        } else if (code == 1) {  // end of bitmap
            break;
        } else if (code == 2) {  // move right and up
            need(2);
            x += b[p];
            y += b[p + 1];
            p += 2;
            if (x > w || y > rows)
                fail("RLE offset moves outside the image");
        } else {  // literal pixels, padded to a 16-bit boundary
            std::size_t bytes = four ? (code + 1) / 2 : code;
            std::size_t padded = (bytes + 1) & ~std::size_t(1);
            need(padded);
            for (unsigned i = 0; i < code; ++i) {
                std::uint8_t v = four ? b[p + i / 2] : b[p + i];
                put(four ? ((i & 1) ? (v & 0x0F) : (v >> 4)) : v);
            }
            p += padded;
        }
    }
    return out;
}

void put16(std::vector<std::uint8_t>& o, std::uint32_t v)
{
    o.push_back(std::uint8_t(v));
    o.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& o, std::uint32_t v)
{
    put16(o, v & 0xFFFF);
    put16(o, v >> 16);
}

}  // namespace

Bitmap readBmp(std::span<const std::uint8_t> bytes)
{
    const Header h = parseHeader(bytes);
    const int w = int(h.width);
    const int rows = int(h.height < 0 ? -h.height : h.height);
    const RowOrder order = h.height < 0 ? RowOrder::TopDown : RowOrder::BottomUp;
    if (bitmapStride(w, h.bpp <= 8 ? h.bpp : 24) * std::size_t(rows) > Bitmap::kMaxBytes)
        fail("image too large");
    if (h.compression == kRle4 || h.compression == kRle8)
        return readRle(bytes, h, w, rows);
    return readUncompressed(bytes, h, order, w, rows);
}

std::vector<std::uint8_t> writeBmp(const Bitmap& bm)
{
    if (bm.empty())
        throw base::Error("Cannot write an empty bitmap as BMP");
    const bool indexed = bm.bitsPerPixel() <= 8;
    const int bpp = indexed ? 8 : 24;
    const std::size_t stride = bitmapStride(bm.width(), bpp);
    const std::size_t paletteBytes = indexed ? 256 * 4 : 0;
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
    const std::size_t imageBytes = stride * std::size_t(bm.height());

    std::vector<std::uint8_t> o;
    o.reserve(offset + imageBytes);
    o.push_back('B');
    o.push_back('M');
    put32(o, std::uint32_t(offset + imageBytes));
    put32(o, 0);
    put32(o, std::uint32_t(offset));
    put32(o, kInfoHeaderSize);
    put32(o, std::uint32_t(bm.width()));
    put32(o, std::uint32_t(bm.height()));
    put16(o, 1);
    put16(o, std::uint16_t(bpp));
    put32(o, kRgb);
    put32(o, std::uint32_t(imageBytes));
    put32(o, 2835);  // 72 dpi
    put32(o, 2835);
    put32(o, indexed ? 256 : 0);
    put32(o, 0);
    if (indexed) {
        const auto& pal = bm.palette();
        for (std::size_t i = 0; i < 256; ++i) {
            Color c = i < pal.size() ? pal[i] : kBlack;
            o.push_back(blue(c));
            o.push_back(green(c));
            o.push_back(red(c));
            o.push_back(0);
        }
    }

    o.resize(offset + imageBytes, 0);
    for (int y = 0; y < bm.height(); ++y) {
        std::uint8_t* d = o.data() + offset + stride * std::size_t(bm.height() - 1 - y);
        const std::uint8_t* s = bm.row(y);
        switch (bm.bitsPerPixel()) {
        case 24:
            std::memcpy(d, s, std::size_t(bm.width()) * 3);
            break;
        case 32:
            for (int x = 0; x < bm.width(); ++x, d += 3, s += 4) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
            break;
        case 8:
            std::memcpy(d, s, std::size_t(bm.width()));
            break;
        case 4:
            for (int x = 0; x < bm.width(); ++x)
                d[x] = (x & 1) ? (s[x / 2] & 0x0F) : (s[x / 2] >> 4);
            break;
        default:
            for (int x = 0; x < bm.width(); ++x)
                d[x] = (s[x / 8] >> (7 - (x & 7))) & 1;
            break;
        }
    }
    return o;
}

}  // namespace gfx
