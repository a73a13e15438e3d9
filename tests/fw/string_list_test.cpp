#include "fw/classes/string_list.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "base/error.h"
#include "base/file.h"
#include "base/scratch_folder.h"

namespace fw {
namespace {

std::vector<std::string> linesOf(const TStrings& s)
{
    std::vector<std::string> out;
    for (int i = 0; i < s.Count(); ++i) out.push_back(s.Strings(i));
    return out;
}

TEST(StringList, TextSplitsAtEveryKindOfLineBreakAndJoinsWithCrLf)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\ntwo\rthree", {"one", "two", "three"}},
        {"a\r\n\r\nb\n\n", {"a", "", "b", ""}},
        {"\r\n", {""}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(linesOf(list), c.lines) << c.text;
    }
    list.SetText("x\ny");
    EXPECT_EQ(list.Text(), "x\r\ny\r\n");
}

TEST(StringList, FilesKeepTheirEncodingWhenSavedBack)
{
    const std::string folder = scratchFolder();
    const std::string legacy = base::joinPath(folder, "legacy.txt");
    // "Привет" and "мир" in Windows-1251.
    const std::string bytes = "\xCF\xF0\xE8\xE2\xE5\xF2\r\n\xEC\xE8\xF0\r\n";
    base::writeFileBytes(legacy, bytes);

    TStringList list;
    list.LoadFromFile(legacy);
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"Привет", "мир"}));
    EXPECT_EQ(list.Encoding(), base::TextEncoding::Windows1251);
    list.SaveToFile(legacy);
    EXPECT_EQ(base::readFileBytes(legacy), bytes);

    const std::string fresh = base::joinPath(folder, "fresh.txt");
    TStringList mine;
    mine.Add("Ёж");
    mine.SaveToFile(fresh);
    EXPECT_EQ(base::readFileBytes(fresh), "Ёж\r\n");
    EXPECT_THROW(mine.LoadFromFile(base::joinPath(folder, "missing.txt")), base::Error);
    EXPECT_EQ(mine.Count(), 1);
}

TEST(StringList, SortsWithoutRegardToCaseAndKeepsSortedListsInOrder)
{
    TStringList list;
    list.SetText("banana\nЯблоко\nApple\nяблоко\ncherry\napple");
    list.Sort();
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"Apple", "apple", "banana", "cherry", "Яблоко", "яблоко"}));
    EXPECT_EQ(list.IndexOf("APPLE"), 0);
    EXPECT_EQ(list.IndexOf("pear"), -1);

    list.SetSorted(true);
    EXPECT_EQ(list.Add("BANANA"), 2);  // dupIgnore: the one already there
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Add("berry"), 3);
    int at = -1;
    EXPECT_FALSE(list.Find("blueberry", at));
    EXPECT_EQ(at, 4);
    EXPECT_THROW(list.Insert(0, "zzz"), base::Error);
    EXPECT_THROW(list.SetStrings(0, "zzz"), base::Error);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("cherry"), base::Error);
    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add("CHERRY"), 4);
    EXPECT_EQ(list.Count(), 8);

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("APPLE"), -1);
}

TEST(StringList, TellsOfEachChangeAndOfAnUpdateOnceAtItsEnd)
{
    TStringList list;
    int changing = 0, changed = 0;
    list.SetOnChanging([&](TObject* sender) {
        ++changing;
        EXPECT_EQ(sender, &list);
    });
    list.SetOnChange([&](TObject*) { ++changed; });
    list.Add("a");
    list.Insert(0, "b");
    list.Delete(1);
    EXPECT_EQ(changing, 3);
    EXPECT_EQ(changed, 3);

    list.SetText("one\ntwo\nthree");
    EXPECT_EQ(changed, 4);
    try {
        TStringsUpdate update(list);
        list.Add("four");
        list.Delete(5);
    } catch (const base::Error& e) {
        EXPECT_STREQ(e.message(), "List index out of bounds (5)");
    }
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(changed, 5);
    EXPECT_EQ(changing, 5);

    list.Clear();
    list.Clear();  // nothing left to change
    EXPECT_EQ(changed, 6);
    EXPECT_THROW(list.Strings(0), base::Error);
    EXPECT_THROW(list.Insert(1, "x"), base::Error);
}

TEST(StringList, MovesAssignsAndReadsNameValueLines)
{
    TStringList list;
    TStringList tag;
    list.SetText("Caption=Квиллекс\nskin=Beijing=2\nplain");
    list.SetObjects(2, &tag);
    EXPECT_EQ(list.Values("CAPTION"), "Квиллекс");
    EXPECT_EQ(list.Values("Skin"), "Beijing=2");  // the value is after the first "="
    EXPECT_EQ(list.Names(2), "");
    list.SetValues("skin", "Moscow");
    list.SetValues("url", "http://x");
    list.SetValues("caption", "");
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"skin=Moscow", "plain", "url=http://x"}));

    list.Move(1, 2);
    EXPECT_EQ(list.Strings(2), "plain");
    EXPECT_EQ(list.Objects(2), &tag);
    list.Exchange(0, 2);
    EXPECT_EQ(list.IndexOfObject(&tag), 0);

    TStringList copy;
    copy.Assign(list);
    EXPECT_TRUE(copy.Equals(list));
    EXPECT_EQ(copy.Objects(0), &tag);
}

}  // namespace
}  // namespace fw
