#include <gtest/gtest.h>

#include "skin/options/option_values.h"
#include "skin/options/options_text.h"

namespace {

using skin::OptionsText;

TEST(OptionsText, SectionsKeysCommentsAndCase)
{
    const OptionsText t = OptionsText::parse(
        "stray=before any section\r\n"
        "  [ Form ]  \r\n"
        "; a comment\n"
        "\n"
        "  Color = 123  \r"
        "color=456\n"
        "=no name\n"
        "line without equals\n"
        "[form]\n"
        "COLOR=789\n"
        "[Edit]\n"
        "Gradient = a=b\n");
    ASSERT_EQ(t.sections().size(), 3u);
    EXPECT_EQ(t.sections()[0].name, "Form");
    EXPECT_EQ(t.sections()[0].line, 2);
    EXPECT_EQ(t.indexOf("FORM"), 0);  // the first of two equal names
    const skin::OptionsSection* form = t.find("fOrM");
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->keys.size(), 3u);
    EXPECT_EQ(form->keys[0].name, "Color");
    EXPECT_EQ(form->keys[0].line, 5);
    EXPECT_EQ(*form->value("COLOR"), "123");
    EXPECT_EQ(form->keys[2].name, "");
    EXPECT_EQ(form->keys[2].value, "no name");
    EXPECT_EQ(*t.find("EDIT")->value("GRADIENT"), "a=b");
    EXPECT_EQ(t.find("Missing"), nullptr);
}

TEST(OptionsText, LegacyBytesAreWindows1251)
{
    const OptionsText t = OptionsText::parseBytes("[GLOBALINFO]\nAUTHOR=\xCF\xE5\xF2\xF0\n");
    EXPECT_EQ(*t.find("GLOBALINFO")->value("AUTHOR"), "Петр");
}

TEST(OptionValues, Integers)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"12", 12},           {"-5", -5},         {"+7", 7},          {"$FF", 255},
        {"0x1f", 31},         {"0X10", 16},       {"$FFFFFFFF", -1},  {"$8000000F", std::int32_t(0x8000000F)},
        {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", {}},   {"$100000000", {}}, {"", {}},           {"$", {}},
        {"0x", {}},           {"abc", {}},        {" 1", {}},         {"1 ", {}},
        {"--1", {}},          {"N/A", {}},        {"0048", 48},
    };
    for (const Case& c : cases) EXPECT_EQ(skin::parseOptionInteger(c.text), c.value) << c.text;
    EXPECT_TRUE(skin::parseOptionBoolean("tRuE"));
    EXPECT_FALSE(skin::parseOptionBoolean("1"));
    EXPECT_EQ(skin::parseOptionReal("6.03"), 6.03);
    EXPECT_EQ(skin::parseOptionReal("6,03"), std::nullopt);
}

}  // namespace
