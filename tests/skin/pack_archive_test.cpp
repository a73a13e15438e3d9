#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "base/file.h"
#include "skin/pack/archive_writer.h"
#include "skin/pack/load_packed_skin_file.h"
#include "skin/pack/skin_convertor.h"
#include "scratch_folder.h"

namespace {

using skin::ArchiveFile;
using skin::TacSkinConvertor;

std::vector<std::uint8_t> bytesOf(std::string_view s) { return {s.begin(), s.end()}; }

std::vector<ArchiveFile> sampleFiles(std::size_t optionsAt)
{
    std::vector<ArchiveFile> files = {
        {"ButtonHuge.bmp", bytesOf(std::string(5000, 'b'))},
        {"Master.bmp", bytesOf("master pixels")},
        {"GlowBtn.PNG", {}},
    };
    files.insert(files.begin() + std::ptrdiff_t(optionsAt), ArchiveFile{"Options.dat", bytesOf("[FORM]\nCOLOR=1\n")});
    return files;
}

struct Recorder {
    std::vector<std::string> shown;
    skin::SkinWarning warning()
    {
        return [this](const std::string& text, const std::string& caption) { shown.push_back(caption + ": " + text); };
    }
};

std::string errorOf(const std::vector<std::uint8_t>& archive)
{
    TacSkinConvertor c;
    c.Warning = nullptr;
    c.setPackedData(archive);
    try {
        c.ExtractPackedData("broken.asz");
    } catch (const base::Error& e) {
        EXPECT_FALSE(c.Options);
        EXPECT_TRUE(c.Files.empty());
        return e.what();
    }
    return "";
}

void putI32(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(std::uint32_t(v) >> (8 * i));
}

TEST(PackedSkinArchive, UnpacksWhereverTheOptionsEntryStands)
{
    for (std::size_t at : {0u, 2u, 3u}) {
        TacSkinConvertor c;
        c.setPackedData(skin::packSkinArchive(sampleFiles(at)));
        ASSERT_TRUE(c.ExtractPackedData("sample.asz"));
        ASSERT_TRUE(c.Options) << at;
        EXPECT_EQ(c.Options->position(), c.Options->size());
        c.Options->seek(0);
        std::string text(c.Options->size(), '\0');
        c.Options->readExact(text.data(), text.size());
        EXPECT_EQ(text, "[FORM]\nCOLOR=1\n");
        EXPECT_EQ(c.ImageCount, 3);
        ASSERT_EQ(c.Files.size(), 3u);
        EXPECT_EQ(c.Files[0].Name, "ButtonHuge.bmp");
        EXPECT_EQ(c.Files[1].Name, "Master.bmp");
        EXPECT_EQ(c.Files[2].Name, "GlowBtn.PNG");
        EXPECT_TRUE(c.Files[0].IsBitmap);
        EXPECT_FALSE(c.Files[2].IsBitmap);
        EXPECT_EQ(c.Files[0].Data.size(), 5000u);
        EXPECT_EQ(c.Files[0].Data.position(), 5000u);
        EXPECT_EQ(c.Files[2].Data.size(), 0u);
        // Options name images in upper case; the stored names keep theirs.
        ASSERT_NE(c.findFile("MASTER.BMP"), nullptr);
        EXPECT_EQ(c.findFile("MASTER.BMP")->Name, "Master.bmp");
        EXPECT_EQ(c.findFile("Master.bmp"), nullptr);
    }
}

TEST(PackedSkinArchive, OptionsNameMatchesInAnyCase)
{
    std::vector<ArchiveFile> files = {{"OPTIONS.DAT", bytesOf("x")}, {"a.bmp", bytesOf("y")}};
    TacSkinConvertor c;
    c.setPackedData(skin::packSkinArchive(files));
    ASSERT_TRUE(c.ExtractPackedData("x.asz"));
    EXPECT_TRUE(c.Options);
    EXPECT_EQ(c.Files.size(), 1u);
}

TEST(PackedSkinArchive, WrongMagicWarnsAndYieldsNothing)
{
    Recorder rec;
    TacSkinConvertor c;
    c.Warning = rec.warning();
    std::vector<std::uint8_t> archive = skin::packSkinArchive(sampleFiles(0));
    archive[3] = 'F';
    c.setPackedData(archive);
    EXPECT_FALSE(c.ExtractPackedData("x.asz"));
    EXPECT_EQ(rec.shown, std::vector<std::string>{"Warning: Loaded data is not a packed skin file"});
    EXPECT_FALSE(c.Options);
    EXPECT_TRUE(c.Files.empty());
    EXPECT_EQ(c.ImageCount, 0);
}

TEST(PackedSkinArchive, EveryTruncationIsAnErrorNamingTheFile)
{
    const std::vector<std::uint8_t> archive = skin::packSkinArchive(sampleFiles(1));
    for (std::size_t n = 4; n < archive.size(); ++n) {
        const std::string e = errorOf(std::vector<std::uint8_t>(archive.begin(), archive.begin() + std::ptrdiff_t(n)));
        EXPECT_NE(e.find("\"broken.asz\""), std::string::npos) << n << ": " << e;
    }
}

TEST(PackedSkinArchive, DamagedHeadersAndStreamsAreErrors)
{
    const std::vector<std::uint8_t> good = skin::packSkinArchive({{{"Options.dat", bytesOf("hello options")}}});
    // Layout: magic, count at 4, name length at 8, name at 12 (11 bytes), size at 23, stream at 27.
    struct Case {
        const char* name;
        std::size_t at;
        std::int32_t value;
        const char* expected;
    };
    const Case cases[] = {
        {"no files", 4, 0, "claims 0 files"},
        {"negative count", 4, -1, "claims -1 files"},
        {"count beyond the bytes", 4, 1000000, "claims 1000000 files"},
        {"name longer than the archive", 8, 0x7FFFFFFF, "name of 2147483647 bytes"},
        {"negative name length", 8, -5, "name of -5 bytes"},
        {"size larger than the stream", 23, 14, "Stream read error"},
        {"size smaller than the stream", 23, 12, "more than the stated size"},
        {"huge size", 23, 0x7FFFFFF0, "claims 2147483632 bytes"},
        {"negative size", 23, -1, "claims -1 bytes"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bad = good;
        putI32(bad, c.at, c.value);
        EXPECT_NE(errorOf(bad).find(c.expected), std::string::npos) << c.name << ": " << errorOf(bad);
    }

    std::vector<std::uint8_t> corrupt = good;
    corrupt[29] ^= 0xFF;  // inside the deflate data
    EXPECT_NE(errorOf(corrupt).find("entry \"Options.dat\""), std::string::npos) << errorOf(corrupt);
    std::vector<std::uint8_t> badChecksum = good;
    badChecksum.back() ^= 1;
    EXPECT_NE(errorOf(badChecksum).find("incorrect data check"), std::string::npos) << errorOf(badChecksum);
    std::vector<std::uint8_t> trailing = good;
    trailing.push_back(0);
    EXPECT_NE(errorOf(trailing).find("1 bytes follow"), std::string::npos);
}

TEST(PackedSkinArchive, OptionsEntryMustBeThereOnceAndNamesPlain)
{
    EXPECT_NE(errorOf(skin::packSkinArchive({{{"a.bmp", bytesOf("1")}}})).find("holds no Options.dat"),
              std::string::npos);
    EXPECT_NE(errorOf(skin::packSkinArchive({{{"Options.dat", bytesOf("1")}, {"options.DAT", bytesOf("2")}}}))
                  .find("more than one options file"),
              std::string::npos);
    // A folder part would let unpacking write outside the chosen folder.
    std::vector<std::uint8_t> archive = skin::packSkinArchive({{{"Options.dat", bytesOf("1")}, {"xx.bmp", bytesOf("2")}}});
    const std::size_t second = 8 + 4 + 11 + 4 + 9 + 4;  // the second name
    archive[second + 0] = '.';
    archive[second + 1] = '/';
    EXPECT_NE(errorOf(archive).find("no plain file name"), std::string::npos) << errorOf(archive);
    EXPECT_THROW(skin::packSkinArchive({{{"../x", {}}}}), base::Error);
}

TEST(PackedSkinArchive, StoredDataIsReadInPlaceAndStaysWithItsOwner)
{
    const std::vector<std::uint8_t> stored = skin::packSkinArchive(sampleFiles(0));
    TacSkinConvertor c;
    c.setPackedDataView(stored);
    ASSERT_TRUE(c.ExtractPackedData("Beijing (internal)"));
    EXPECT_EQ(c.packedData().data(), stored.data());
    c.freePackedData();
    EXPECT_FALSE(c.hasPackedData());
    EXPECT_EQ(c.Files.size(), 3u);
}

TEST(LoadPackedSkinFile, ReadsFreesAndLeavesAloneWhatIsNotThere)
{
    const std::string folder = skinScratchFolder();
    const std::string path = base::joinPath(folder, "Calm.asz");
    const std::vector<std::uint8_t> archive = skin::packSkinArchive(sampleFiles(0));
    base::writeFileBytes(path, std::string_view(reinterpret_cast<const char*>(archive.data()), archive.size()));

    std::unique_ptr<TacSkinConvertor> c;
    EXPECT_FALSE(skin::LoadPackedSkinFile(base::joinPath(folder, "Missing.asz"), c, true));
    EXPECT_FALSE(c);
    ASSERT_TRUE(skin::LoadPackedSkinFile(path, c, true));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->ImageCount, 3);
    EXPECT_FALSE(c->hasPackedData());
    EXPECT_FALSE(skin::LoadPackedSkinFile(base::joinPath(folder, "Missing.asz"), c, true));
    EXPECT_EQ(c->Files.size(), 3u);

    std::vector<std::uint8_t> broken(archive.begin(), archive.end() - 3);
    base::writeFileBytes(path, std::string_view(reinterpret_cast<const char*>(broken.data()), broken.size()));
    try {
        skin::LoadPackedSkinFile(path, c, true);
        ADD_FAILURE() << "a cut archive loaded";
    } catch (const base::Error& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
    EXPECT_FALSE(c->hasPackedData());
    EXPECT_TRUE(c->Files.empty());
}

}  // namespace
