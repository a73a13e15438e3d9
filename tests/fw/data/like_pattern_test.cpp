#include "fw/data/sqlite/like_pattern.h"

#include <gtest/gtest.h>

#include "fw/data/sqlite/simple_select.h"

namespace {

using fw::sqlite::LikePattern;

struct LikeCase {
    const char* pattern;
    const char* text;
    bool matches;
};

TEST(LikePattern, WildcardsAndLetterCase) {
    const LikeCase cases[] = {
        {"%модуль%", "Модуль печати", true},   // Cyrillic case ignored
        {"%МОДУЛЬ%", "модуль связи", true},
        {"%ёлка", "ЁЛКА", true},
        {"%ß%", "STRASSE", false},            // simple folding: one letter stays one letter
        {"%%", "", true},
        {"%", "anything", true},
        {"", "", true},
        {"", "a", false},
        {"abc", "ABC", true},                 // no wildcard: the whole text
        {"abc", "abcd", false},
        {"a_c", "aЖc", true},                 // "_" is one character, however many bytes
        {"a_c", "ac", false},
        {"a__c", "aЖc", false},
        {"%_", "", false},
        {"%_", "Я", true},
        {"_%_", "Я", false},
        {"%a%b%c%", "xaxbxcx", true},
        {"%a%b%c%", "xcxbxa", false},
        {"a%a", "a", false},                  // prefix and suffix may not share a letter
        {"a%a", "aa", true},
        {"%b_d", "abcd", true},
        {"%b_d", "abcdx", false},
        {"%100%%", "100% sure", true},        // "%" is always a wildcard
        {"%1_0%", "100% sure", true},
        {"%e_c%", "snake_case", true},
        {"%ab'c%", "ab'c", true},
    };
    for (const LikeCase& c : cases)
        EXPECT_EQ(LikePattern(c.pattern).matches(c.text), c.matches) << c.pattern << " / " << c.text;
}

TEST(LikePattern, BrokenUtf8NeitherCrashesNorMatchesAsLetters) {
    const std::string broken = "a\xD0\xFF" "c";
    EXPECT_TRUE(LikePattern("a%c").matches(broken));
    EXPECT_FALSE(LikePattern("a_c").matches(broken));  // two broken bytes are not one character
    EXPECT_TRUE(LikePattern("%\xFF%").matches(broken));
    EXPECT_FALSE(LikePattern("%_\xFF_%").matches("\xFF"));
}

TEST(SimpleSelect, RecognisesTheProgramsStatements) {
    auto initial = fw::sqlite::parseSimpleSelect("select * from dict order by basicname asc");
    ASSERT_TRUE(initial);
    EXPECT_EQ(initial->table, "dict");
    EXPECT_FALSE(initial->likeColumn);
    EXPECT_EQ(initial->orderColumn, "basicname");
    EXPECT_FALSE(initial->descending);

    auto find = fw::sqlite::parseSimpleSelect("SELECT * FROM dict WHERE basicname LIKE('%ab''c%')");
    ASSERT_TRUE(find);
    EXPECT_EQ(find->likeColumn, "basicname");
    EXPECT_EQ(find->likePattern, "%ab'c%");

    auto all = fw::sqlite::parseSimpleSelect("SELECT * FROM dict");
    ASSERT_TRUE(all);
    EXPECT_FALSE(all->orderColumn);

    auto quoted = fw::sqlite::parseSimpleSelect(" Select *\nFrom [dict] Where \"basicname\" like '%x%' Order By `basicname` DESC ; ");
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->likePattern, "%x%");
    EXPECT_TRUE(quoted->descending);

    for (const char* other : {"SELECT basicname FROM dict", "SELECT * FROM dict WHERE id = 1",
                              "SELECT * FROM dict WHERE basicname LIKE('%x%') AND 1",
                              "SELECT * FROM dict WHERE basicname LIKE('%x%'", "SELECT * FROM dict; DELETE FROM dict",
                              "SELECT * FROM dict WHERE basicname LIKE('unclosed)", "SELECT * FROMdict",
                              "SELECT * FROM dict ORDER BY basicname, id"})
        EXPECT_FALSE(fw::sqlite::parseSimpleSelect(other)) << other;
}

}  // namespace
