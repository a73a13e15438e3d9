#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
inline constexpr char32_t kMaxCodePoint = 0x10FFFF;

// One code point read from UTF-8. An invalid or cut-off sequence gives the replacement
// character, valid = false, and a length covering the longest prefix that could have
// started a valid sequence (always at least 1 byte), so decoding always moves forward.
struct DecodedCodePoint {
    char32_t codePoint = 0;
    std::size_t length = 0;
    bool valid = false;
};

// Decodes the code point that starts at `offset`; offset must be below text.size().
DecodedCodePoint decodeUtf8(std::string_view text, std::size_t offset);

// Appends the UTF-8 form; surrogates and values above U+10FFFF become the replacement character.
void appendUtf8(std::string& out, char32_t codePoint);
std::string encodeUtf8(char32_t codePoint);

bool isValidUtf8(std::string_view text);

// The text with every invalid sequence replaced by one replacement character (valid text is
// returned as it is).
std::string toValidUtf8(std::string_view text);

// The length of the longest prefix of at most maxBytes that does not cut a character in two.
std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// Number of code points; each invalid sequence counts as one.
std::size_t utf8Length(std::string_view text);

// Walks the code points of a UTF-8 string: for (char32_t c : Utf8View(text)) ...
class Utf8View {
public:
    class Iterator {
    public:
        using value_type = char32_t;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Iterator(std::string_view text, std::size_t offset) : text_(text), offset_(offset) {}

        char32_t operator*() const { return decodeUtf8(text_, offset_).codePoint; }
        Iterator& operator++() {
            offset_ += decodeUtf8(text_, offset_).length;
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++*this;
            return old;
        }
        // Byte offset of the current code point in the viewed text.
        std::size_t offset() const { return offset_; }
        bool operator==(const Iterator& other) const { return offset_ == other.offset_; }

    private:
        std::string_view text_;
        std::size_t offset_ = 0;
    };

    explicit Utf8View(std::string_view text) : text_(text) {}
    Iterator begin() const { return Iterator(text_, 0); }
    Iterator end() const { return Iterator(text_, text_.size()); }

private:
    std::string_view text_;
};

}  // namespace base
