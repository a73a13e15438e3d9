// Legacy text files (settings, read-me, skin options) come from outside: decoding, line splitting
// and re-encoding must hold up on any bytes, and a decoded file must write back to what it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/text_file.h"
#include "base/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const base::TextFile file = base::decodeText(bytes);
    if (!base::isValidUtf8(file.text)) std::abort();

    std::size_t total = 0;
    for (const auto& line : base::splitLines(file.text)) total += line.size();
    if (total > file.text.size()) std::abort();

    // Text read as plain UTF-8 or as 1251 goes back byte for byte.
    const std::string encoded = base::encodeText(file.text, file.encoding);
    if (file.encoding != base::TextEncoding::Utf8Bom && encoded != bytes) std::abort();
    if (base::decodeText(encoded).encoding != file.encoding && file.encoding != base::TextEncoding::Windows1251)
        std::abort();
    return 0;
}
