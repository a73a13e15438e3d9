#include "base/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "base/file.h"
#include "scratch_folder.h"

namespace {

using base::TextEncoding;

TEST(TextFile, DecodingPicksTheEncoding) {
    struct Case {
        std::string bytes;
        std::string text;
        TextEncoding encoding;
    } cases[] = {
        {"", "", TextEncoding::Utf8},
        {"[FORM]\r\nKey=1", "[FORM]\r\nKey=1", TextEncoding::Utf8},
        {"Привет", "Привет", TextEncoding::Utf8},
        {"\xEF\xBB\xBF" "Привет", "Привет", TextEncoding::Utf8Bom},
        {"\xEF\xBB\xBF", "", TextEncoding::Utf8Bom},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", "Привет", TextEncoding::Windows1251},
        // One damaged sequence anywhere makes the whole file legacy 8-bit text.
        {"Ж\xFF", "Р–я", TextEncoding::Windows1251},
        // A byte-order mark declares UTF-8: damage after it is replaced, not reinterpreted.
        {"\xEF\xBB\xBF" "a\xFF" "b", "a\xEF\xBF\xBD" "b", TextEncoding::Utf8Bom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const base::TextFile file = base::decodeText(c.bytes);
        EXPECT_EQ(file.text, c.text);
        EXPECT_EQ(file.encoding, c.encoding);
    }
}

TEST(TextFile, RoundTripKeepsTheEncoding) {
    const std::string folder = scratchFolder();
    const std::string samples[] = {
        "\xEF\xBB\xBF[GLOBALINFO]\r\nName=Ёлка\r\n",
        "[GLOBALINFO]\nName=Ёлка\n",
        "[GLOBALINFO]\r\nName=\xA8\xEB\xEA\xE0\r\n",  // 1251
        std::string("\x00\x98\xFF", 3),                // 1251 with the unassigned byte
    };
    for (const auto& bytes : samples) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        const std::string path = base::joinPath(folder, "file.ini");
        base::writeFileBytes(path, bytes);
        const base::TextFile file = base::readTextFile(path);
        base::writeTextFile(path, file.text, file.encoding);
        EXPECT_EQ(base::readFileBytes(path), bytes);
    }
}

TEST(TextFile, EncodingNewText) {
    EXPECT_EQ(base::encodeText("Ёж", TextEncoding::Utf8), "Ёж");
    EXPECT_EQ(base::encodeText("Ёж", TextEncoding::Utf8Bom), "\xEF\xBB\xBFЁж");
    EXPECT_EQ(base::encodeText("Ёж日", TextEncoding::Windows1251), "\xA8\xE6?");
    EXPECT_EQ(base::encodeText("a\xFF", TextEncoding::Utf8), "a\xEF\xBF\xBD");  // never writes invalid UTF-8
}

TEST(TextFile, ReadErrorNamesTheFile) {
    const std::string path = base::joinPath(scratchFolder(), "readme.txt");
    try {
        base::readTextFile(path);
        FAIL() << "no error";
    } catch (const base::Error& e) {
        EXPECT_EQ(std::string(e.message()), "Cannot open file \"" + path + "\". No such file or directory");
    }
}

TEST(TextFile, SplitLinesAtEveryKindOfBreak) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\n", {"one"}},
        {"one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
        {"\n", {""}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},      // LF then CR: two breaks
        {"a\r\r\n", {"a", ""}},
        {"a\r", {"a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(base::splitLines(c.text), c.lines);
    }
}

}  // namespace
