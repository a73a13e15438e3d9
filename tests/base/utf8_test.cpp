#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DecodeCase {
    std::string bytes;
    char32_t codePoint;
    std::size_t length;
    bool valid;
};

TEST(Utf8, DecodesValidAndRejectsDamagedSequences) {
    const DecodeCase cases[] = {
        {"A", U'A', 1, true},
        {"\xD0\x96", 0x0416, 2, true},                 // Ж
        {"\xE2\x82\xAC", 0x20AC, 3, true},             // €
        {"\xF0\x9F\x98\x80", 0x1F600, 4, true},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true},
        {"\x80", 0xFFFD, 1, false},                    // lone continuation
        {"\xC0\xAF", 0xFFFD, 1, false},                // overlong lead
        {"\xE0\x80\xAF", 0xFFFD, 1, false},            // overlong three-byte
        {"\xED\xA0\x80", 0xFFFD, 1, false},            // surrogate
        {"\xF4\x90\x80\x80", 0xFFFD, 1, false},        // beyond U+10FFFF
        {"\xF5\x80", 0xFFFD, 1, false},
        {"\xE2\x82", 0xFFFD, 2, false},                // cut off at the end
        {"\xE2\x82" "A", 0xFFFD, 2, false},            // cut off by an ASCII byte
        {"\xF0\x9F\x98", 0xFFFD, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const base::DecodedCodePoint d = base::decodeUtf8(c.bytes, 0);
        EXPECT_EQ(d.codePoint, c.codePoint);
        EXPECT_EQ(d.length, c.length);
        EXPECT_EQ(d.valid, c.valid);
        EXPECT_EQ(base::isValidUtf8(c.bytes), c.valid);
    }
}

TEST(Utf8, EncodeRoundTripsAndReplacesImpossibleCodePoints) {
    for (char32_t c : {U'\0', U'z', char32_t{0x7F}, char32_t{0x80}, char32_t{0x7FF}, char32_t{0x800},
                       char32_t{0xFFFF}, char32_t{0x10000}, char32_t{0x10FFFF}}) {
        const std::string bytes = base::encodeUtf8(c);
        const base::DecodedCodePoint d = base::decodeUtf8(bytes, 0);
        EXPECT_TRUE(d.valid);
        EXPECT_EQ(d.codePoint, c);
        EXPECT_EQ(d.length, bytes.size());
    }
    EXPECT_EQ(base::encodeUtf8(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(base::encodeUtf8(0x110000), "\xEF\xBF\xBD");
}

TEST(Utf8, LengthAndIterationCountEachDamagedSequenceOnce) {
    const std::string text = "a\xD0\x96\xE2\x82\xFF" "b";  // a, Ж, cut-off €, stray 0xFF, b
    EXPECT_EQ(base::utf8Length(text), 5u);
    std::vector<char32_t> seen;
    std::vector<std::size_t> offsets;
    const base::Utf8View view(text);
    for (auto it = view.begin(); it != view.end(); ++it) {
        seen.push_back(*it);
        offsets.push_back(it.offset());
    }
    EXPECT_EQ(seen, (std::vector<char32_t>{U'a', 0x0416, 0xFFFD, 0xFFFD, U'b'}));
    EXPECT_EQ(offsets, (std::vector<std::size_t>{0, 1, 3, 5, 6}));
    EXPECT_EQ(base::utf8Length(""), 0u);
}

TEST(Utf8, RepairAndCutNeverLeaveHalfACharacter) {
    const std::string damaged = "a\xD0\x96\xE2\x82\xFF" "b";
    EXPECT_EQ(base::toValidUtf8(damaged), "a\xD0\x96\xEF\xBF\xBD\xEF\xBF\xBD" "b");
    EXPECT_EQ(base::toValidUtf8("Справка"), "Справка");
    EXPECT_EQ(base::toValidUtf8(std::string("\0x", 2)), std::string("\0x", 2));
    const std::string text = "aЖ€";  // 1, 2 and 3 bytes
    const std::size_t expected[] = {0, 1, 1, 3, 3, 3, 6, 6};
    for (std::size_t max = 0; max < std::size(expected); ++max)
        EXPECT_EQ(base::utf8PrefixLength(text, max), expected[max]) << max;
}

}  // namespace
