#include "base/utf8.h"

#include <algorithm>
#include <cstdint>

namespace base {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

DecodedCodePoint invalid(std::size_t length) { return {kReplacementCharacter, length, false}; }

}  // namespace

DecodedCodePoint decodeUtf8(std::string_view text, std::size_t offset) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
    const std::size_t available = text.size() - offset;
    const unsigned char lead = byteAt(0);
    if (lead < 0x80) return {lead, 1, true};

    // The allowed range of the second byte excludes overlong forms, surrogates and values
    // beyond U+10FFFF, so one check there settles validity of the whole sequence.
    std::size_t length = 0;
    unsigned char secondMin = 0x80, secondMax = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0) secondMin = 0xA0;
        if (lead == 0xED) secondMax = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0) secondMin = 0x90;
        if (lead == 0xF4) secondMax = 0x8F;
    } else {
        return invalid(1);
    }

    for (std::size_t i = 1; i < length; ++i) {
        if (i >= available) return invalid(i);
        const unsigned char byte = byteAt(i);
        const bool fits = i == 1 ? (byte >= secondMin && byte <= secondMax) : isContinuation(byte);
        if (!fits) return invalid(i);
        value = (value << 6) | (byte & 0x3F);
    }
    return {value, length, true};
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > kMaxCodePoint || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        codePoint = kReplacementCharacter;
    const auto put = [&](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

std::string encodeUtf8(char32_t codePoint) {
    std::string out;
    appendUtf8(out, codePoint);
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCodePoint decoded = decodeUtf8(text, i);
        if (!decoded.valid) return false;
        i += decoded.length;
    }
    return true;
}

std::string toValidUtf8(std::string_view text) {
    if (isValidUtf8(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCodePoint decoded = decodeUtf8(text, i);
        if (decoded.valid)
            out.append(text.substr(i, decoded.length));
        else
            appendUtf8(out, kReplacementCharacter);
        i += decoded.length;
    }
    return out;
}

std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes) {
    std::size_t n = std::min(maxBytes, text.size());
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += decodeUtf8(text, i).length) ++count;
    return count;
}

}  // namespace base
