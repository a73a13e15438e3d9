#include "base/file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "base/error.h"
#include "scratch_folder.h"

namespace {

std::string errorOf(auto&& action) {
    try {
        action();
    } catch (const base::Error& e) {
        return e.message();
    }
    return "no error";
}

TEST(File, WriteThenReadKeepsEveryByte) {
    const std::string folder = scratchFolder();
    const std::string path = base::joinPath(folder, "data.bin");
    const std::string bytes("\0\xFF\r\n\x1A" "end", 8);
    base::writeFileBytes(path, bytes);
    EXPECT_EQ(base::readFileBytes(path), bytes);
    base::writeFileBytes(path, "");
    EXPECT_EQ(base::readFileBytes(path), "");
    EXPECT_EQ(entriesIn(folder), 1u);  // no temporary left behind

    const std::string longest = base::joinPath(folder, std::string(255, 'n'));  // the longest name allowed
    base::writeFileBytes(longest, "x");
    EXPECT_EQ(base::readFileBytes(longest), "x");
}

TEST(File, ReplacingKeepsPermissionsAndFollowsLinks) {
    const std::string folder = scratchFolder();
    const std::string target = base::joinPath(folder, "real.ini");
    const std::string link = base::joinPath(folder, "link.ini");
    base::writeFileBytes(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    std::filesystem::create_symlink("real.ini", link);

    base::writeFileBytes(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(base::readFileBytes(target), "new");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(File, ErrorsNameTheFile) {
    const std::string folder = scratchFolder();
    const std::string missing = base::joinPath(folder, "missing.txt");
    EXPECT_EQ(errorOf([&] { base::readFileBytes(missing); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(errorOf([&] { base::readFileBytes(folder); }),
              "Cannot open file \"" + folder + "\". Is a directory");

    const std::string nowhere = base::joinPath(folder, "no/such/folder/x.ini");
    EXPECT_EQ(errorOf([&] { base::writeFileBytes(nowhere, "x"); }), "Unable to write to " + nowhere);
    EXPECT_EQ(errorOf([&] { base::writeFileBytes(folder, "x"); }), "Unable to write to " + folder);
    EXPECT_TRUE(base::directoryExists(folder));
}

TEST(File, SizeCapRefusesLargeFiles) {
    const std::string path = base::joinPath(scratchFolder(), "big.bin");
    base::writeFileBytes(path, std::string(1000, 'x'));
    EXPECT_EQ(base::readFileBytes(path, 1000).size(), 1000u);
    EXPECT_NE(errorOf([&] { base::readFileBytes(path, 999); }).find("larger than 999 bytes"), std::string::npos);
}

TEST(File, FailedReplaceLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    const std::string folder = scratchFolder();
    const std::string path = base::joinPath(folder, "settings.ini");
    base::writeFileBytes(path, "old");
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    EXPECT_THROW(base::writeFileBytes(path, "new"), base::Error);
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(base::readFileBytes(path), "old");
    EXPECT_EQ(entriesIn(folder), 1u);
}

TEST(File, ExistenceChecks) {
    const std::string folder = scratchFolder();
    const std::string path = base::joinPath(folder, "a.txt");
    EXPECT_FALSE(base::fileExists(path));
    base::writeFileBytes(path, "a");
    EXPECT_TRUE(base::fileExists(path));
    EXPECT_FALSE(base::fileExists(folder));
    EXPECT_TRUE(base::directoryExists(folder));
    EXPECT_FALSE(base::directoryExists(path));
}

TEST(File, PathHelpers) {
    EXPECT_EQ(base::joinPath("skins", "Aqua/Options.dat"), "skins/Aqua/Options.dat");
    EXPECT_EQ(base::joinPath("skins/", "x"), "skins/x");
    EXPECT_EQ(base::joinPath("skins", "/abs/x"), "/abs/x");
    EXPECT_EQ(base::joinPath("", "x"), "x");
    EXPECT_EQ(base::joinPath("d", ""), "d");

    struct Case {
        const char* path;
        const char* name;
        const char* parent;
        const char* extension;
    } cases[] = {
        {"skins/Aqua/Title.BMP", "Title.BMP", "skins/Aqua", ".BMP"},
        {"/readme.txt", "readme.txt", "/", ".txt"},
        {"archive.tar.gz", "archive.tar.gz", "", ".gz"},
        {"dir.d/file", "file", "dir.d", ""},
        {"folder/.hidden", ".hidden", "folder", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(base::fileName(c.path), c.name);
        EXPECT_EQ(base::parentPath(c.path), c.parent);
        EXPECT_EQ(base::fileExtension(c.path), c.extension);
    }
    EXPECT_EQ(base::replaceExtension("a/b.asz", ".ini"), "a/b.ini");
    EXPECT_EQ(base::replaceExtension("a/b", "ini"), "a/b.ini");
    EXPECT_EQ(base::replaceExtension("a/b.txt", ""), "a/b");
}

}  // namespace
