#include "gfx/jpeg_file.h"

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "base/error.h"

namespace gfx {

namespace {

// libjpeg reports failures through these callbacks; they jump back to the setjmp of the plain
// helper that made the library call, so no C++ frame is ever skipped.
struct JpegDecoder {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool created;
};

void jpegErrorExit(j_common_ptr c)
{
    JpegDecoder* d = reinterpret_cast<JpegDecoder*>(c->client_data);
    c->err->format_message(c, d->message);
    std::longjmp(d->jump, 1);
}

void jpegMessage(j_common_ptr c, int level)
{
    // Warnings mean damaged or truncated data (libjpeg would pad it with grey); refuse them.
    if (level < 0)
        jpegErrorExit(c);
}

bool jpegStart(JpegDecoder* d, const std::uint8_t* data, std::size_t size)
{
    d->info.err = jpeg_std_error(&d->errors);
    d->errors.error_exit = jpegErrorExit;
    d->errors.emit_message = jpegMessage;
    d->info.client_data = d;
    if (setjmp(d->jump))
        return false;
    jpeg_create_decompress(&d->info);
    d->created = true;
    d->info.mem->max_memory_to_use = long(kMaxJpegBytes);
    jpeg_mem_src(&d->info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d->info, TRUE);
    const bool cmyk = d->info.jpeg_color_space == JCS_CMYK || d->info.jpeg_color_space == JCS_YCCK;
    d->info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&d->info);
    return true;
}

// Adobe writes CMYK inverted; with the Adobe marker the stored values are 255 - ink.
void cmykRowToBgr(const std::uint8_t* s, std::uint8_t* d, unsigned width, bool inverted)
{
    for (unsigned x = 0; x < width; ++x, s += 4, d += 3) {
        unsigned c = s[0], m = s[1], y = s[2], k = s[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        d[0] = std::uint8_t((y * k + 127) / 255);
        d[1] = std::uint8_t((m * k + 127) / 255);
        d[2] = std::uint8_t((c * k + 127) / 255);
    }
}

bool jpegDecodeRows(JpegDecoder* d, std::uint8_t* const* rows, std::uint8_t* cmykRow)
{
    if (setjmp(d->jump))
        return false;
    jpeg_start_decompress(&d->info);
    const bool inverted = d->info.saw_Adobe_marker;
    while (d->info.output_scanline < d->info.output_height) {
        std::uint8_t* target = rows[d->info.output_scanline];
        JSAMPROW row = cmykRow ? cmykRow : target;
        if (jpeg_read_scanlines(&d->info, &row, 1) != 1)
            return false;
        if (cmykRow)
            cmykRowToBgr(cmykRow, target, d->info.output_width, inverted);
    }
    return true;
}

class DecoderGuard {
public:
    explicit DecoderGuard(JpegDecoder& d) : d_(d) {}
    ~DecoderGuard()
    {
        if (d_.created)
            jpeg_destroy_decompress(&d_.info);
    }
    DecoderGuard(const DecoderGuard&) = delete;
    DecoderGuard& operator=(const DecoderGuard&) = delete;

private:
    JpegDecoder& d_;
};

[[noreturn]] void fail(const JpegDecoder& d)
{
    throw base::Error(std::string("Damaged JPEG file: ") + (d.message[0] ? d.message : "decoding stopped"));
}

}  // namespace

Bitmap readJpeg(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        throw base::Error("Damaged JPEG file: no data");
    JpegDecoder d{};
    DecoderGuard guard(d);
    if (!jpegStart(&d, bytes.data(), bytes.size()))
        fail(d);
    const unsigned w = d.info.output_width;
    const unsigned h = d.info.output_height;
    if (w == 0 || h == 0 || w > unsigned(kMaxJpegDimension) || h > unsigned(kMaxJpegDimension) ||
        bitmapStride(int(w), 24) * h > kMaxJpegBytes)
        throw base::Error("JPEG image size " + std::to_string(w) + " x " + std::to_string(h) + " out of range");

    Bitmap out(int(w), int(h), 24, RowOrder::TopDown);
    std::vector<std::uint8_t*> rows(h);
    for (unsigned y = 0; y < h; ++y)
        rows[y] = out.row(int(y));
    std::vector<std::uint8_t> cmyk;
    if (d.info.out_color_space == JCS_CMYK)
        cmyk.resize(std::size_t(w) * 4);
    if (!jpegDecodeRows(&d, rows.data(), cmyk.empty() ? nullptr : cmyk.data()))
        fail(d);
    return out;
}

}  // namespace gfx
