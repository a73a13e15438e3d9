#include <cstddef>
#include <cstdint>
#include <span>

#include "base/error.h"
#include "gfx/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        gfx::Bitmap b = gfx::readBmp(std::span<const std::uint8_t>(data, size));
        // Touch the first and last rows so that a wrong size or stride shows up under the sanitizers.
        volatile std::uint32_t sum = 0;
        for (int y : {0, b.height() - 1})
            for (int x = 0; x < b.width() && y >= 0; ++x)
                sum = sum + b.pixel(x, y);
    } catch (const base::Error&) {
    }
    return 0;
}
