#include "gfx/png_file.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <png.h>

#include "base/error.h"

namespace gfx {

namespace {

// Deflate cannot shrink data by more than about 1032:1, so an image that claims more raw
// bytes than that is lying about its size; refusing it early avoids huge allocations.
constexpr std::uint64_t kMaxDeflateRatio = 1032;

// State shared with libpng's callbacks. Plain data only: libpng longjmps out of its
// callbacks back to the setjmp of the helper that made the call.
struct PngIo {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos;
    std::uint8_t* out;  // malloc'ed output of the writer
    std::size_t outSize;
    std::size_t outCapacity;
    char message[200];
};

PngIo* ioOf(png_structp png)
{
    return static_cast<PngIo*>(png_get_error_ptr(png));
}

void pngError(png_structp png, png_const_charp msg)
{
    PngIo* io = ioOf(png);
    std::snprintf(io->message, sizeof io->message, "%s", msg ? msg : "unknown error");
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

void pngRead(png_structp png, png_bytep out, png_size_t n)
{
    PngIo* io = static_cast<PngIo*>(png_get_io_ptr(png));
    if (io->size - io->pos < n)
        png_error(png, "data truncated");
    std::memcpy(out, io->data + io->pos, n);
    io->pos += n;
}

void pngWrite(png_structp png, png_bytep in, png_size_t n)
{
    PngIo* io = static_cast<PngIo*>(png_get_io_ptr(png));
    if (io->outCapacity - io->outSize < n) {
        std::size_t cap = io->outCapacity ? io->outCapacity : 4096;
        while (cap - io->outSize < n)
            cap *= 2;
        void* grown = std::realloc(io->out, cap);
        if (!grown)
            png_error(png, "out of memory");
        io->out = static_cast<std::uint8_t*>(grown);
        io->outCapacity = cap;
    }
    std::memcpy(io->out + io->outSize, in, n);
    io->outSize += n;
}

void pngFlush(png_structp) {}

struct PngHeader {
    png_uint_32 width;
    png_uint_32 height;
    std::uint64_t rawBytes;  // filtered image data before compression
};

bool pngReadHeader(png_structp png, png_infop info, PngHeader* h)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_user_limits(png, Bitmap::kMaxDimension, Bitmap::kMaxDimension);
    // libpng would otherwise hand back a half-empty image when the data runs short; colour
    // profile quibbles stay harmless.
    png_set_benign_errors(png, 0);
    png_set_option(png, PNG_SKIP_sRGB_CHECK_PROFILE, PNG_OPTION_ON);
    png_read_info(png, info);
    h->width = png_get_image_width(png, info);
    h->height = png_get_image_height(png, info);
    std::uint64_t passes = png_get_interlace_type(png, info) == PNG_INTERLACE_NONE ? 1 : 2;
    h->rawBytes = (std::uint64_t(png_get_rowbytes(png, info)) + 1) * h->height / passes;

    const int type = png_get_color_type(png, info);
    if (png_get_bit_depth(png, info) == 16)
        png_set_strip_16(png);
    if (type == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    png_set_strip_alpha(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != std::size_t(h->width) * 3)
        png_error(png, "unexpected row layout");
    return true;
}

bool pngReadRows(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    return true;
}

bool pngWriteImage(png_structp png, png_infop info, png_uint_32 w, png_uint_32 h, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

class ReadGuard {
public:
    png_structp png = nullptr;
    png_infop info = nullptr;
    ReadGuard() = default;
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;
    ~ReadGuard() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

class WriteGuard {
public:
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngIo* io = nullptr;
    WriteGuard() = default;
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;
    ~WriteGuard()
    {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        if (io)
            std::free(io->out);
    }
};

[[noreturn]] void failRead(const PngIo& io)
{
    throw base::Error(std::string("Damaged PNG file: ") + io.message);
}

}  // namespace

Bitmap readPng(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0)
        throw base::Error("Damaged PNG file: no PNG signature");
    PngIo io{};
    io.data = bytes.data();
    io.size = bytes.size();
    std::snprintf(io.message, sizeof io.message, "decoding stopped");
    ReadGuard g;
    g.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &io, pngError, pngWarning);
    if (!g.png || !(g.info = png_create_info_struct(g.png)))
        throw base::Error("Out of memory reading PNG");
    png_set_read_fn(g.png, &io, pngRead);

    PngHeader h{};
    if (!pngReadHeader(g.png, g.info, &h))
        failRead(io);
    if (h.width == 0 || h.height == 0 || bitmapStride(int(h.width), 24) * h.height > Bitmap::kMaxBytes)
        throw base::Error("PNG image size " + std::to_string(h.width) + " x " + std::to_string(h.height) +
                          " out of range");
    if (h.rawBytes / kMaxDeflateRatio > bytes.size())
        throw base::Error("Damaged PNG file: image size does not fit the data");

    Bitmap out(int(h.width), int(h.height), 24, RowOrder::TopDown);
    std::vector<png_bytep> rows(h.height);
    for (png_uint_32 y = 0; y < h.height; ++y)
        rows[y] = out.row(int(y));
    if (!pngReadRows(g.png, rows.data()))
        failRead(io);
    return out;
}

std::vector<std::uint8_t> writePng(const Bitmap& bitmap)
{
    if (bitmap.empty())
        throw base::Error("Cannot write an empty bitmap as PNG");
    const Bitmap converted = bitmap.bitsPerPixel() == 24 ? Bitmap() : bitmap.to24();
    const Bitmap& src = bitmap.bitsPerPixel() == 24 ? bitmap : converted;

    PngIo io{};
    WriteGuard g;
    g.io = &io;
    g.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &io, pngError, pngWarning);
    if (!g.png || !(g.info = png_create_info_struct(g.png)))
        throw base::Error("Out of memory writing PNG");
    png_set_write_fn(g.png, &io, pngWrite, pngFlush);

    std::vector<png_bytep> rows(std::size_t(src.height()));
    for (int y = 0; y < src.height(); ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(src.row(y));
    if (!pngWriteImage(g.png, g.info, png_uint_32(src.width()), png_uint_32(src.height()), rows.data()))
        throw base::Error(std::string("Cannot write PNG: ") + io.message);
    return std::vector<std::uint8_t>(io.out, io.out + io.outSize);
}

}  // namespace gfx
