#include <gtest/gtest.h>

#include <vector>

#include "paint/raster/key_scan.h"

using paint::KeyScan;

TEST(KeyScan, FindsExactlyTheKeyPixelsAmongNearMisses)
{
    // Bytes drawn from the key's own values and their neighbours, so that keys and pixels one
    // byte off the key are both common, at every alignment.
    const std::uint8_t alphabet[] = {0xFF, 0x00, 0xFE, 0x01};
    std::vector<std::uint8_t> bytes(3 * 64 + 3);
    std::uint32_t s = 12345;
    for (auto& b : bytes) {
        s = s * 1664525u + 1013904223u;
        b = alphabet[(s >> 13) & 3];
    }
    for (gfx::Color key : {gfx::kKeyColor, gfx::Color(0x0000FF), gfx::Color(0x01FE00)}) {
        const KeyScan scan(key);
        for (int start = 0; start < 3 * 64 + 3 - 48; ++start) {
            const std::uint64_t found = scan.sixteen(bytes.data() + start);
            for (int p = 0; p < 16; ++p) {
                const std::uint8_t* px = bytes.data() + start + 3 * p;
                const bool isKey = px[0] == gfx::blue(key) && px[1] == gfx::green(key) && px[2] == gfx::red(key);
                ASSERT_EQ((found >> (3 * p)) & 1, std::uint64_t(isKey)) << "start " << start << " pixel " << p;
            }
            ASSERT_EQ(found & ~0x249249249249ULL, 0u);
        }
    }
}
