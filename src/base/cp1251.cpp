#include "base/cp1251.h"

#include <array>

#include "base/utf8.h"

namespace base {

namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are А..я (U+0410..U+044F) in order.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr int kUnmappable = -1;

int codePointToCp1251(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c >= 0x0410 && c <= 0x044F) return static_cast<int>(c - 0x0410 + 0xC0);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == c) return static_cast<int>(0x80 + i);
    return kUnmappable;
}

}  // namespace

char32_t cp1251ToCodePoint(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kHighHalf[byte - 0x80];
}

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) appendUtf8(out, cp1251ToCodePoint(static_cast<unsigned char>(ch)));
    return out;
}

std::string utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCodePoint decoded = decodeUtf8(text, i);
        const int byte = decoded.valid ? codePointToCp1251(decoded.codePoint) : kUnmappable;
        out.push_back(byte == kUnmappable ? '?' : static_cast<char>(byte));
        i += decoded.length;
    }
    return out;
}

bool fitsCp1251(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCodePoint decoded = decodeUtf8(text, i);
        if (!decoded.valid || codePointToCp1251(decoded.codePoint) == kUnmappable) return false;
        i += decoded.length;
    }
    return true;
}

}  // namespace base
