#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/color.h"
#include "gfx/geometry.h"

namespace gfx {

enum class RowOrder { TopDown, BottomUp };

// A device-independent bitmap of 1, 4, 8, 24 or 32 bits per pixel.
//
// Rows are reached through the address of row 0 and the signed distance from row 0 to row 1,
// so pixel (x, y) of a 24-bit bitmap lies at row0() + y * rowDelta() + 3 * x whatever the row
// order in memory. Rows are padded to 4 bytes. 24-bit pixels are B, G, R bytes; 32-bit pixels
// are B, G, R and an unused fourth byte. Palette entries are colours (0x00BBGGRR).
// Bitmaps with palettes (1, 4, 8 bits) keep the leftmost pixel in the high bits of a byte.
class Bitmap {
public:
    // The largest bitmap we make: anything bigger is a damaged or hostile file.
    static constexpr int kMaxDimension = 32768;
    static constexpr std::size_t kMaxBytes = std::size_t(256) << 20;

    Bitmap() = default;
    // Throws base::Error for a bad depth or a size beyond the limits. Pixels start as zero.
    Bitmap(int width, int height, int bitsPerPixel = 24, RowOrder order = RowOrder::TopDown);

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect rect() const { return {0, 0, width_, height_}; }
    int bitsPerPixel() const { return bpp_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    RowOrder rowOrder() const { return order_; }

    // Bytes in one row including its padding.
    std::size_t stride() const { return stride_; }
    // Signed distance in bytes from row 0 to row 1.
    std::ptrdiff_t rowDelta() const { return order_ == RowOrder::TopDown ? std::ptrdiff_t(stride_) : -std::ptrdiff_t(stride_); }
    std::uint8_t* row0() { return row0_; }
    const std::uint8_t* row0() const { return row0_; }
    std::uint8_t* row(int y) { return row0_ + y * rowDelta(); }
    const std::uint8_t* row(int y) const { return row0_ + y * rowDelta(); }
    // The whole pixel store, lowest address first (for bulk copies between equal bitmaps).
    std::uint8_t* bits() { return data_.data(); }
    const std::uint8_t* bits() const { return data_.data(); }
    std::size_t byteSize() const { return data_.size(); }

    std::vector<Color>& palette() { return palette_; }
    const std::vector<Color>& palette() const { return palette_; }

    // Colour of one pixel for any depth (palette looked up); no bounds test.
    Color pixel(int x, int y) const;
    // Sets one pixel of a 24- or 32-bit bitmap, or the palette index of a palette bitmap
    // (the colour's low byte); no bounds test.
    void setPixel(int x, int y, Color c);

    // Colour value of a 24-bit pixel, read straight from memory; no bounds test.
    Color pixel24(int x, int y) const
    {
        const std::uint8_t* p = row(y) + 3 * x;
        return rgb(p[2], p[1], p[0]);
    }
    void setPixel24(int x, int y, Color c)
    {
        std::uint8_t* p = row(y) + 3 * x;
        p[0] = blue(c);
        p[1] = green(c);
        p[2] = red(c);
    }

    void fill(Color c);                    // 24- and 32-bit only
    void fillRect(const Rect& r, Color c); // 24- and 32-bit only; clipped to the bitmap

    // A 24-bit copy of this bitmap in the same row order.
    Bitmap to24() const;

    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    int width_ = 0;
    int height_ = 0;
    int bpp_ = 24;
    RowOrder order_ = RowOrder::TopDown;
    std::size_t stride_ = 0;
    std::vector<std::uint8_t> data_;
    std::uint8_t* row0_ = nullptr;
    std::vector<Color> palette_;

    void bindRows();
    Color paletteColor(unsigned index) const;

public:
    Bitmap(const Bitmap& o);
    Bitmap& operator=(const Bitmap& o);
    Bitmap(Bitmap&& o) noexcept;
    Bitmap& operator=(Bitmap&& o) noexcept;
};

// Bytes of one padded row of a bitmap of this width and depth.
std::size_t bitmapStride(int width, int bitsPerPixel);

}  // namespace gfx
