#include "gfx/bitmap.h"

#include <cstring>
#include <utility>

#include "base/error.h"

namespace gfx {

std::size_t bitmapStride(int width, int bitsPerPixel)
{
    return ((std::size_t(width) * std::size_t(bitsPerPixel) + 31) / 32) * 4;
}

Bitmap::Bitmap(int width, int height, int bitsPerPixel, RowOrder order)
    : width_(width), height_(height), bpp_(bitsPerPixel), order_(order)
{
    if (bpp_ != 1 && bpp_ != 4 && bpp_ != 8 && bpp_ != 24 && bpp_ != 32)
        throw base::Error("Unsupported bitmap depth");
    if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension)
        throw base::Error("Bitmap size out of range");
    stride_ = bitmapStride(width, bpp_);
    if (stride_ * std::size_t(height) > kMaxBytes)
        throw base::Error("Bitmap too large");
    data_.assign(stride_ * std::size_t(height), 0);
    if (bpp_ <= 8)
        palette_.assign(std::size_t(1) << bpp_, 0);
    bindRows();
}

void Bitmap::bindRows()
{
    if (data_.empty()) {
        row0_ = nullptr;
        return;
    }
    row0_ = order_ == RowOrder::TopDown ? data_.data() : data_.data() + stride_ * std::size_t(height_ - 1);
}

Bitmap::Bitmap(const Bitmap& o)
    : width_(o.width_), height_(o.height_), bpp_(o.bpp_), order_(o.order_), stride_(o.stride_),
      data_(o.data_), palette_(o.palette_)
{
    bindRows();
}

Bitmap& Bitmap::operator=(const Bitmap& o)
{
    if (this != &o) {
        Bitmap copy(o);
        *this = std::move(copy);
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& o) noexcept
    : width_(o.width_), height_(o.height_), bpp_(o.bpp_), order_(o.order_), stride_(o.stride_),
      data_(std::move(o.data_)), palette_(std::move(o.palette_))
{
    bindRows();
    o.width_ = o.height_ = 0;
    o.stride_ = 0;
    o.data_.clear();
    o.row0_ = nullptr;
}

Bitmap& Bitmap::operator=(Bitmap&& o) noexcept
{
    if (this != &o) {
        width_ = o.width_;
        height_ = o.height_;
        bpp_ = o.bpp_;
        order_ = o.order_;
        stride_ = o.stride_;
        data_ = std::move(o.data_);
        palette_ = std::move(o.palette_);
        bindRows();
        o.width_ = o.height_ = 0;
        o.stride_ = 0;
        o.data_.clear();
        o.row0_ = nullptr;
    }
    return *this;
}

Color Bitmap::pixel(int x, int y) const
{
    const std::uint8_t* r = row(y);
    switch (bpp_) {
    case 24:
    case 32: {
        const std::uint8_t* p = r + x * (bpp_ / 8);
        return rgb(p[2], p[1], p[0]);
    }
    case 8:
        return paletteColor(r[x]);
    case 4: {
        std::uint8_t b = r[x / 2];
        return paletteColor((x & 1) ? (b & 0x0F) : (b >> 4));
    }
    default: {
        std::uint8_t b = r[x / 8];
        return paletteColor((b >> (7 - (x & 7))) & 1);
    }
    }
}

Color Bitmap::paletteColor(unsigned index) const
{
    // A palette may be shorter than the depth allows; missing entries read as black.
    return index < palette_.size() ? palette_[index] : kBlack;
}

void Bitmap::setPixel(int x, int y, Color c)
{
    std::uint8_t* r = row(y);
    switch (bpp_) {
    case 24:
    case 32: {
        std::uint8_t* p = r + x * (bpp_ / 8);
        p[0] = blue(c);
        p[1] = green(c);
        p[2] = red(c);
        return;
    }
    case 8:
        r[x] = std::uint8_t(c);
        return;
    case 4: {
        std::uint8_t& b = r[x / 2];
        std::uint8_t v = std::uint8_t(c & 0x0F);
        b = (x & 1) ? std::uint8_t((b & 0xF0) | v) : std::uint8_t((b & 0x0F) | (v << 4));
        return;
    }
    default: {
        std::uint8_t& b = r[x / 8];
        std::uint8_t bit = std::uint8_t(0x80 >> (x & 7));
        b = (c & 1) ? std::uint8_t(b | bit) : std::uint8_t(b & ~bit);
        return;
    }
    }
}

void Bitmap::fill(Color c)
{
    fillRect(rect(), c);
}

void Bitmap::fillRect(const Rect& area, Color c)
{
    if (bpp_ != 24 && bpp_ != 32)
        throw base::Error("Bitmap fill needs 24 or 32 bits per pixel");
    Rect r = area.intersected(rect());
    if (r.empty())
        return;
    const int step = bpp_ / 8;
    // One row pixel by pixel, the others copied from it.
    std::uint8_t* first = row(r.top) + r.left * step;
    std::uint8_t* p = first;
    for (int x = r.left; x < r.right; ++x, p += step) {
        p[0] = blue(c);
        p[1] = green(c);
        p[2] = red(c);
    }
    const std::size_t bytes = std::size_t(r.width()) * std::size_t(step);
    for (int y = r.top + 1; y < r.bottom; ++y) std::memcpy(row(y) + r.left * step, first, bytes);
}

Bitmap Bitmap::to24() const
{
    Bitmap out(width_, height_, 24, order_);
    if (bpp_ == 24) {
        if (!data_.empty())
            std::memcpy(out.data_.data(), data_.data(), data_.size());
        return out;
    }
    if (bpp_ == 8) {
        // Skin pictures are mostly 8-bit: one table of B, G, R bytes instead of a palette
        // look-up per pixel.
        std::uint8_t table[256][3];
        for (unsigned i = 0; i < 256; ++i) {
            const Color c = paletteColor(i);
            table[i][0] = blue(c);
            table[i][1] = green(c);
            table[i][2] = red(c);
        }
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* s = row(y);
            std::uint8_t* d = out.row(y);
            for (int x = 0; x < width_; ++x, d += 3) std::memcpy(d, table[s[x]], 3);
        }
        return out;
    }
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* d = out.row(y);
        for (int x = 0; x < width_; ++x, d += 3) {
            Color c = pixel(x, y);
            d[0] = blue(c);
            d[1] = green(c);
            d[2] = red(c);
        }
    }
    return out;
}

bool operator==(const Bitmap& a, const Bitmap& b)
{
    if (a.width_ != b.width_ || a.height_ != b.height_ || a.bpp_ != b.bpp_)
        return false;
    for (int y = 0; y < a.height_; ++y)
        for (int x = 0; x < a.width_; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

}  // namespace gfx
