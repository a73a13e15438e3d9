#include <cstddef>
#include <cstdint>
#include <span>

#include "base/error.h"
#include "skin/pack/skin_convertor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    skin::TacSkinConvertor c;
    c.Warning = nullptr;
    c.setPackedDataView(std::span<const std::uint8_t>(data, size));
    try {
        if (c.ExtractPackedData("fuzz.asz")) {
            // Touch every byte so that a wrong size shows up under the sanitizers.
            volatile std::uint8_t sum = 0;
            for (const auto& f : c.Files)
                for (std::size_t i = 0; i < f.Data.size(); ++i) sum = sum + f.Data.data()[i];
        }
    } catch (const base::Error&) {
    }
    return 0;
}
