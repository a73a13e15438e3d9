#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "plat/services/clipboard.h"

namespace plat {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClipboardBackend({});
        ASSERT_TRUE(OpenClipboard({}));
        EmptyClipboard();
        CloseClipboard();
    }
    void TearDown() override { SetClipboardBackend({}); }
};

TEST_F(Clipboard, TextAndRegisteredFormatsLiveSideBySide)
{
    UINT csv = RegisterClipboardFormat("Csv");
    UINT rtf = RegisterClipboardFormat("Rich Text Format");
    ASSERT_GE(csv, 0xC000u);
    EXPECT_NE(csv, rtf);
    EXPECT_EQ(RegisterClipboardFormat("CSV"), csv);  // names are case-blind and stable
    EXPECT_EQ(GetClipboardFormatName(csv), "Csv");

    ASSERT_TRUE(OpenClipboard({}));
    EXPECT_FALSE(OpenClipboard({}));  // one opener at a time
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_TRUE(SetClipboardText("Привет, мир"));
    EXPECT_TRUE(SetClipboardData(csv, Bytes("a;b\n1;2\n")));
    CloseClipboard();

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));  // the two text forms stand for each other
    EXPECT_TRUE(IsClipboardFormatAvailable(csv));
    EXPECT_FALSE(IsClipboardFormatAvailable(rtf));
    EXPECT_EQ(GetClipboardText(), "Привет, мир");
    EXPECT_EQ(GetClipboardData(CF_TEXT), Bytes("Привет, мир"));
    EXPECT_EQ(GetClipboardData(csv), Bytes("a;b\n1;2\n"));
    EXPECT_FALSE(GetClipboardData(rtf).has_value());

    // Emptying drops every format.
    ASSERT_TRUE(OpenClipboard({}));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(csv));
    EXPECT_FALSE(GetClipboardText().has_value());
}

TEST_F(Clipboard, WritingNeedsAnOpenClipboardAndAKnownFormat)
{
    EXPECT_FALSE(SetClipboardText("lost"));
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(RegisterClipboardFormat(""), 0u);
    EXPECT_EQ(RegisterClipboardFormat(std::string(300, 'x')), 0u);
    ASSERT_TRUE(OpenClipboard({}));
    EXPECT_FALSE(SetClipboardData(0, Bytes("x")));
    EXPECT_FALSE(SetClipboardData(0xFFF0, Bytes("x")));  // never registered
    CloseClipboard();
    EXPECT_FALSE(GetClipboardText().has_value());
}

TEST_F(Clipboard, TextGoesThroughTheBackendWhenOneIsPlugged)
{
    std::optional<std::string> system;
    SetClipboardBackend({[&](const std::string& t) { system = t; }, [&] { return system; }});
    ASSERT_TRUE(OpenClipboard({}));
    EmptyClipboard();
    SetClipboardText("to the desktop");
    CloseClipboard();
    EXPECT_EQ(system, "to the desktop");
    system = "from another program";
    EXPECT_EQ(GetClipboardText(), "from another program");
    system.reset();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

}  // namespace
}  // namespace plat
