#include <cstddef>
#include <cstdint>
#include <span>

#include "base/error.h"
#include "gfx/ico_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        gfx::IconImage icon = gfx::readIco(std::span<const std::uint8_t>(data, size));
        // Touch the last rows of both halves so that a wrong size shows up under the sanitizers.
        volatile std::uint32_t sum = 0;
        for (const gfx::Bitmap* b : {&icon.color, &icon.mask})
            for (int x = 0; x < b->width() && b->height() > 0; ++x) sum = sum + b->pixel(x, b->height() - 1);
    } catch (const base::Error&) {
    }
    return 0;
}
