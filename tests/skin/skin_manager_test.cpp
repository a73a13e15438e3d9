#include <gtest/gtest.h>

#include <filesystem>

#include "base/file.h"
#include "fw/forms/application.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/system/sys_colors.h"
#include "scratch_folder.h"
#include "skin/internal/internal_skin.h"
#include "skin/manager/skin_engine_state.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/skin_paths.h"
#include "skin/pack/archive_writer.h"

namespace {

using skin::TsSkinManager;

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& b)
{
    std::filesystem::create_directories(base::parentPath(path));
    base::writeFileBytes(path, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

std::vector<std::uint8_t> bytesOf(std::string_view s) { return {s.begin(), s.end()}; }

class SkinManagerTest : public testing::Test {
protected:
    std::string program;
    TsSkinManager manager{nullptr};
    int changes = 0;

    void SetUp() override
    {
        program = skinScratchFolder();
        manager.SetActive(false);
        manager.SetProgramFolder(program);
        manager.SetWarning(nullptr);
        manager.OnAfterChange = [this](TsSkinManager&) { ++changes; };
    }

    void addInternal()
    {
        const auto bytes = skin::internalSkinArchive();
        manager.InternalSkins().push_back({skin::kInternalSkinName, {bytes.begin(), bytes.end()}});
    }
};

TEST_F(SkinManagerTest, UnknownSkinFallsBackToTheInternalOne)
{
    addInternal();
    manager.SetSkinDirectory(program);
    manager.SetSkinName("IniReadError");
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    manager.SetActive(true);
    manager.SetActive(true);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinName(), skin::kInternalSkinName);
    EXPECT_EQ(manager.SkinInfo(), "6.03");
    EXPECT_TRUE(manager.IsPacked());
    EXPECT_EQ(manager.GetGlobalColor(), 15790320u);
    const skin::TConstantSkinData& c = manager.ConstData();
    EXPECT_EQ(c.CheckBoxChecked, manager.FindMaskIndex("GLOBALINFO", "BOXCHECKED"));
    EXPECT_GE(c.CheckBoxChecked, 0);
    EXPECT_EQ(c.RadioButtonGrayed, -1);  // the skin has none
    EXPECT_GE(c.ScrollButtons[0].GlyphIndex, 0);
    EXPECT_GE(c.Sliders[0].MaskIndex, 0);
    EXPECT_GE(c.Tabs[1].MaskIndex, 0);  // TABBOTTOM's border comes from its parent
    EXPECT_EQ(c.ComboButton.MaskIndex, -1);  // taken without inheritance
    EXPECT_GE(c.ComboButton.GlyphIndex, 0);
}

TEST_F(SkinManagerTest, WithoutAnySkinSkinningSwitchesOff)
{
    manager.SetSkinName("Nothing");
    manager.SetActive(true);
    EXPECT_FALSE(manager.Active());
    EXPECT_EQ(manager.Skin(), nullptr);
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_EQ(manager.GetSkinIndex("FORM"), -1);
    EXPECT_EQ(manager.GetMaskIndex(0, "FORM", "BORDERSMASK"), -1);
    EXPECT_EQ(manager.GetGlobalColor(), plat::ColorToRGB(plat::SystemColor(plat::COLOR_BTNFACE)));
    EXPECT_EQ(manager.GetGlobalFontColor(), gfx::kKeyColor);
}

TEST_F(SkinManagerTest, PackedFileBeatsFolderOfTheSameName)
{
    const std::string dir = base::joinPath(program, "Skins");
    writeBytes(base::joinPath(dir, "Calm/options.DAT"), bytesOf("[FOLDER]\nCOLOR=1\n"));
    writeBytes(base::joinPath(dir, "Calm.asz"), skin::packSkinArchive({{{"Options.dat", bytesOf("[PACKED]\n")}}}));
    manager.SetSkinDirectory("Skins");
    manager.SetSkinName("Calm");
    manager.SetActive(true);
    EXPECT_GE(manager.GetSkinIndex("PACKED"), 0);
    EXPECT_TRUE(manager.IsPacked());
    EXPECT_EQ(manager.Skin()->SkinData.SkinPath, dir + "/");

    std::filesystem::remove(base::joinPath(dir, "Calm.asz"));
    manager.SetSkinName("Calm");
    EXPECT_GE(manager.GetSkinIndex("FOLDER"), 0);
    EXPECT_FALSE(manager.IsPacked());
    EXPECT_EQ(manager.Skin()->SkinData.SkinPath, base::joinPath(dir, "Calm") + "/");
}

TEST_F(SkinManagerTest, FileThatIsNoArchiveIsWarnedAboutAndPassedOver)
{
    addInternal();
    std::vector<std::string> warnings;
    manager.SetWarning([&](const std::string& text, const std::string&) { warnings.push_back(text); });
    writeBytes(base::joinPath(program, "Odd.asz"), bytesOf("PK\3\4 not a skin"));
    manager.SetSkinDirectory(program);
    manager.SetSkinName("Odd");
    manager.SetActive(true);
    EXPECT_EQ(warnings, std::vector<std::string>{"Loaded data is not a packed skin file"});
    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinName(), skin::kInternalSkinName);
}

TEST_F(SkinManagerTest, SkinNamesFromInternalSkinsAndTheFolder)
{
    addInternal();
    writeBytes(base::joinPath(program, "A/Options.dat"), bytesOf("[X]\n"));
    writeBytes(base::joinPath(program, "B/readme.txt"), bytesOf("no skin"));
    writeBytes(base::joinPath(program, "C.old.asz"), bytesOf("ASzf"));
    writeBytes(base::joinPath(program, ".hidden.asz"), bytesOf("ASzf"));
    writeBytes(base::joinPath(program, "D.ASZ"), bytesOf("ASzf"));
    manager.SetSkinDirectory("./");
    std::vector<std::string> names;
    EXPECT_EQ(manager.GetSkinNames(names, 2), skin::kInternalSkinName);
    EXPECT_EQ(names, (std::vector<std::string>{"A", skin::kInternalSkinName, "C"}));
    manager.GetSkinNames(names, 0);
    EXPECT_EQ(names, (std::vector<std::string>{"A", skin::kInternalSkinName}));
    manager.GetSkinNames(names, 1);
    EXPECT_EQ(names, (std::vector<std::string>{skin::kInternalSkinName, "C"}));
}

TEST(DefaultSkinManager, IsTheFirstOfTheRunAndGoesWithIt)
{
    EXPECT_EQ(skin::DefaultManager(), nullptr);  // no run, no default
    plat::HeadlessDesktop desk;
    fw::TApplication app;
    auto* first = new TsSkinManager(&app);
    auto* second = new TsSkinManager(&app);
    EXPECT_EQ(skin::DefaultManager(), first);
    delete first;
    EXPECT_EQ(skin::DefaultManager(), nullptr);
    delete second;
    // A manager still there when the run ends goes with it, after or before the engine state.
    new TsSkinManager(&app);
}

TEST(SkinPaths, FullSkinDirectory)
{
    struct Case {
        const char* dir;
        const char* full;
    };
    const Case cases[] = {
        {"../Skins", "/c/App/Skins"},    {"./Skins", "/c/App/Bin/Skins"}, {".\\Skins", "/c/App/Bin/Skins"},
        {"Skins", "/c/App/Bin/Skins"},   {"/opt/skins", "/opt/skins"},    {"c:\\Skins", "c:\\Skins"},
    };
    for (const Case& c : cases) EXPECT_EQ(skin::fullSkinDirectory(c.dir, "/c/App/Bin"), c.full) << c.dir;
}

}  // namespace
