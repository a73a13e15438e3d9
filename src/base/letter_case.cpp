#include "base/letter_case.h"

#include "base/utf8.h"

namespace base {

char32_t toUpperCodePoint(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c < 0x80) return c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;    // à..þ except ÷
    if (c >= 0x0430 && c <= 0x044F) return c - 0x20;             // а..я
    if (c >= 0x0450 && c <= 0x045F) return c - 0x50;             // ѐ..џ, with ё, ђ, ў, ї ...
    if (c == 0x0491) return 0x0490;                              // ґ
    return c;
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 0x20);
    return out;
}

std::string toUpper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCodePoint decoded = decodeUtf8(text, i);
        if (decoded.valid)
            appendUtf8(out, toUpperCodePoint(decoded.codePoint));
        else
            out.append(text.substr(i, decoded.length));
        i += decoded.length;
    }
    return out;
}

int compareIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const DecodedCodePoint ca = decodeUtf8(a, i);
        const DecodedCodePoint cb = decodeUtf8(b, j);
        const char32_t ua = toUpperCodePoint(ca.codePoint);
        const char32_t ub = toUpperCodePoint(cb.codePoint);
        if (ua != ub) return ua < ub ? -1 : 1;
        i += ca.length;
        j += cb.length;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) { return compareIgnoreCase(a, b) == 0; }

}  // namespace base
