#include "base/text_file.h"

#include "base/cp1251.h"
#include "base/file.h"
#include "base/utf8.h"

namespace base {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Decodes with U+FFFD for each damaged sequence.
std::string repairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const DecodedCodePoint decoded = decodeUtf8(bytes, i);
        if (decoded.valid)
            out.append(bytes.substr(i, decoded.length));
        else
            appendUtf8(out, kReplacementCharacter);
        i += decoded.length;
    }
    return out;
}

}  // namespace

TextFile decodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        return {repairUtf8(bytes), TextEncoding::Utf8Bom};
    }
    if (isValidUtf8(bytes)) return {std::string(bytes), TextEncoding::Utf8};
    return {cp1251ToUtf8(bytes), TextEncoding::Windows1251};
}

std::string encodeText(std::string_view text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Windows1251:
            return utf8ToCp1251(text);
        case TextEncoding::Utf8Bom:
            return std::string(kUtf8Bom) + repairUtf8(text);
        case TextEncoding::Utf8:
            break;
    }
    return repairUtf8(text);
}

TextFile readTextFile(const std::string& path) { return decodeText(readFileBytes(path)); }

void writeTextFile(const std::string& path, std::string_view text, TextEncoding encoding) {
    writeFileBytes(path, encodeText(text, encoding));
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch != '\r' && ch != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace base
