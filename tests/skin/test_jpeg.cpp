#include "test_jpeg.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::vector<std::uint8_t> jpegOf(int w, int h)
{
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(std::size_t(w) * 3, 128);
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<std::uint8_t> bytes(out, out + size);
    jpeg_destroy_compress(&c);
    free(out);
    return bytes;
}

