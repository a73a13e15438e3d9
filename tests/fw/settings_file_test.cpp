#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "base/error.h"
#include "base/file.h"
#include "base/scratch_folder.h"
#include "fw/classes/string_list.h"
#include "fw/system/ini_file.h"
#include "fw/system/profile.h"

namespace fw {
namespace {

constexpr const char* kDefault = "IniReadError";

struct SettingsFile : testing::Test {
    std::string folder = scratchFolder();
    std::string path = base::joinPath(folder, "quillex.ini");

    void write(const std::string& bytes) { base::writeFileBytes(path, bytes); }
    std::string bytes() const { return base::readFileBytes(path); }
    std::string read(const char* section, const char* key) const
    {
        return GetPrivateProfileString(section, key, kDefault, path);
    }
};

TEST_F(SettingsFile, ReadsValuesAsTheSystemDoesAndTheDefaultForAnythingAbsent)
{
    EXPECT_EQ(read("MAIN", "CAPTION"), kDefault);  // no file
    write("CAPTION=before any section\r\n"
          "; CAPTION=a comment\r\n"
          "[main]\r\n"
          "caption=Справочник=модулей\r\n"
          "SKIN=\r\n"
          "  URL  =  \"http://example.org/ a\"  \r\n"
          "W_TEXT = 'quoted'\r\n"
          "S_TEXT\r\n"
          "[MAIN]\r\n"
          "S_TEXT=in a second section of the same name\r\n"
          "[Other]\r\n"
          "KEY=other\r\n");
    struct Case {
        const char* section;
        const char* key;
        std::string value;
    };
    const Case cases[] = {
        {"MAIN", "CAPTION", "Справочник=модулей"},  // after the first "=", names without regard to case
        {"Main", "skin", ""},                       // present and empty is not absent
        {"MAIN", "URL", "http://example.org/ a"},
        {"MAIN", "W_TEXT", "quoted"},
        {"MAIN", "S_TEXT", kDefault},  // a line without "=" is no key; the first section counts
        {"OTHER", "KEY", "other"},
        {"MISSING", "KEY", kDefault},
        {"MAIN", "KEY", kDefault},
    };
    for (const Case& c : cases) EXPECT_EQ(read(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST_F(SettingsFile, ValuesAndDefaultsAreCutToTheBuffer)
{
    std::string cyrillic;
    for (int i = 0; i < 3000; ++i) cyrillic += "ж";
    write("[MAIN]\nSKIN=" + cyrillic + "\n");
    std::string value = read("MAIN", "SKIN");
    EXPECT_EQ(value.size(), 2047u * 2);  // characters, not bytes
    EXPECT_EQ(GetPrivateProfileString("MAIN", "NONE", "abcdef", path, 4), "abc");
}

TEST_F(SettingsFile, WritingReplacesInPlaceAddsWhatIsMissingAndKeepsEveryOtherLine)
{
    TIniFile ini(path);
    ini.WriteString("MAIN", "SKIN", "Beijing");
    EXPECT_EQ(bytes(), "[MAIN]\r\nSKIN=Beijing\r\n");  // a missing file holds just the section

    write("; settings\n"
          "[Main]\n"
          "Caption = Quillex\n"
          "skin=Old\n"
          "\n"
          "[Other]\n"
          "A=1\n");
    ini.WriteString("MAIN", "SKIN", "New one");
    ini.WriteString("main", "URL", "http://x");
    ini.WriteString("Third", "K", "v");
    EXPECT_EQ(bytes(),
              "; settings\n"
              "[Main]\n"
              "Caption = Quillex\n"
              "skin=New one\n"
              "URL=http://x\n"
              "\n"
              "[Other]\n"
              "A=1\n"
              "\n"
              "[Third]\n"
              "K=v\n");
    EXPECT_EQ(ini.ReadString("MAIN", "skin", kDefault), "New one");

    ini.DeleteKey("OTHER", "a");
    ini.EraseSection("third");
    EXPECT_EQ(bytes(), "; settings\n[Main]\nCaption = Quillex\nskin=New one\nURL=http://x\n\n[Other]\n\n");
    EXPECT_EQ(entriesIn(folder), 1u);  // nothing left over beside the file

    TStringList keys;
    ini.ReadSection("main", keys);
    EXPECT_EQ(keys.Text(), "Caption\r\nskin\r\nURL\r\n");
    EXPECT_TRUE(ini.SectionExists("OTHER"));
    EXPECT_FALSE(ini.ValueExists("OTHER", "A"));
}

TEST_F(SettingsFile, WritingKeepsTheFilesEightBitEncodingUnlessThatWouldLoseCharacters)
{
    // [MAIN] CAPTION=Справочник in Windows-1251.
    const std::string caption1251 = "CAPTION=\xD1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA\r\n";
    write("[MAIN]\r\n" + caption1251);
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("MAIN", "CAPTION", kDefault), "Справочник");
    ini.WriteString("MAIN", "SKIN", "Зима");
    EXPECT_EQ(bytes(), "[MAIN]\r\n" + caption1251 + "SKIN=\xC7\xE8\xEC\xE0\r\n");

    ini.WriteString("MAIN", "SKIN", "冬");  // no 1251 byte for it: the file becomes UTF-8
    EXPECT_EQ(bytes(), "[MAIN]\r\nCAPTION=Справочник\r\nSKIN=冬\r\n");
    EXPECT_EQ(ini.ReadString("MAIN", "SKIN", kDefault), "冬");
}

TEST_F(SettingsFile, AWriteThatCannotHappenRaisesAndLeavesTheFileAsItWas)
{
    write("[MAIN]\r\nSKIN=Old\r\n");
    ::chmod(path.c_str(), 0444);
    TIniFile ini(path);
    try {
        ini.WriteString("MAIN", "SKIN", "New");
        ADD_FAILURE() << "a read-only file was written";
    } catch (const base::Error& e) {
        EXPECT_EQ(std::string(e.message()), "Unable to write to " + path);
    }
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(bytes(), "[MAIN]\r\nSKIN=Old\r\n");

    TIniFile nowhere(base::joinPath(folder, "no/such/folder/quillex.ini"));
    EXPECT_THROW(nowhere.WriteString("MAIN", "SKIN", "x"), base::Error);

    // Texts that would add lines or sections of their own are refused, not written.
    EXPECT_THROW(ini.WriteString("MAIN", "SKIN", "x\r\n[EVIL]"), base::Error);
    EXPECT_THROW(ini.WriteString("MAIN", "A=B", "x"), base::Error);
    EXPECT_THROW(ini.WriteString("MA]IN", "SKIN", "x"), base::Error);
    EXPECT_FALSE(WritePrivateProfileString("MAIN", "", "x", path));
    EXPECT_EQ(bytes(), "[MAIN]\r\nSKIN=Old\r\n");

    EXPECT_EQ(ini.ReadInteger("MAIN", "SKIN", 7), 7);
    ini.WriteInteger("MAIN", "N", -12);
    ini.WriteBool("MAIN", "B", true);
    EXPECT_EQ(ini.ReadInteger("MAIN", "N", 0), -12);
    EXPECT_TRUE(ini.ReadBool("MAIN", "B", false));
}

}  // namespace
}  // namespace fw
