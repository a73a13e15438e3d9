#include "base/cp1251.h"

#include <gtest/gtest.h>

#include <string>

#include "base/utf8.h"

namespace {

TEST(Cp1251, MapsBytesToTheirCodePoints) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    } cases[] = {
        {0x41, U'A'},   {0x80, 0x0402}, {0x88, 0x20AC}, {0x98, 0x0098}, {0x99, 0x2122},
        {0xA0, 0x00A0}, {0xA5, 0x0490}, {0xA8, 0x0401}, {0xB4, 0x0491}, {0xB8, 0x0451},
        {0xB9, 0x2116}, {0xC0, 0x0410}, {0xDF, 0x042F}, {0xE0, 0x0430}, {0xFF, 0x044F},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(base::cp1251ToCodePoint(c.byte), c.codePoint) << int(c.byte);
    }
    EXPECT_EQ(base::cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2, \xA8\xB8!"), "Привет, Ёё!");
}

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = base::cp1251ToUtf8(all);
    EXPECT_TRUE(base::isValidUtf8(utf8));
    EXPECT_TRUE(base::fitsCp1251(utf8));
    EXPECT_EQ(base::utf8ToCp1251(utf8), all);
}

TEST(Cp1251, UnmappableTextBecomesQuestionMarks) {
    EXPECT_EQ(base::utf8ToCp1251("Ж€日😀\xFF" "z"), "\xC6\x88???z");
    EXPECT_FALSE(base::fitsCp1251("日"));
    EXPECT_FALSE(base::fitsCp1251("\xFF"));
}

}  // namespace
