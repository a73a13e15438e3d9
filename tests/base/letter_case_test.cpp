#include "base/letter_case.h"

#include <gtest/gtest.h>

namespace {

TEST(LetterCase, ToUpperCoversLatinAndCyrillic) {
    EXPECT_EQ(base::toUpperAscii("scrollBar1h_ёж"), "SCROLLBAR1H_ёж");
    EXPECT_EQ(base::toUpper("scrollBar1h"), "SCROLLBAR1H");
    EXPECT_EQ(base::toUpper("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"), "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    EXPECT_EQ(base::toUpper("ђѓєѕіїјљњћќўџґ"), "ЂЃЄЅІЇЈЉЊЋЌЎЏҐ");
    EXPECT_EQ(base::toUpper("àéþ÷ß"), "ÀÉÞ÷ß");
    EXPECT_EQ(base::toUpper("a\xFF" "b"), "A\xFF" "B");  // damaged bytes are kept, not replaced
}

TEST(LetterCase, CompareIgnoresCaseInEveryAlphabet) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"GlobalInfo", "GLOBALINFO", 0},
        {"Ёлка", "ЁЛКА", 0},
        {"ёлка", "ЁЛКА", 0},
        {"Привет", "пРИВЕТ", 0},
        {"", "", 0},
        {"abc", "ABD", -1},
        {"abd", "ABC", 1},
        {"ab", "ABC", -1},
        {"abc", "AB", 1},
        {"я", "Z", 1},  // by code point: Cyrillic after Latin
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        const int result = base::compareIgnoreCase(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign);
        EXPECT_EQ(base::equalsIgnoreCase(c.a, c.b), c.sign == 0);
    }
}

}  // namespace
