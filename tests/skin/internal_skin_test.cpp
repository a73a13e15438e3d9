#include <gtest/gtest.h>

#include "gfx/bmp_file.h"
#include "gfx/image_file.h"
#include "skin/internal/internal_skin.h"
#include "skin/model/skin_loader.h"
#include "skin/pack/skin_convertor.h"

namespace {

class InternalSkin : public testing::Test {
protected:
    skin::TacSkinConvertor archive;
    skin::OptionsText options;
    skin::LoadedSkin loaded;
    std::vector<skin::SkinProblem> problems;

    void SetUp() override
    {
        archive.Warning = nullptr;
        archive.setPackedDataView(skin::internalSkinArchive());
        ASSERT_TRUE(archive.ExtractPackedData(skin::kInternalSkinName));
        archive.freePackedData();
        const auto& bytes = archive.Options->bytes();
        options = skin::OptionsText::parseBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        const skin::ArchiveImageSource images(archive);
        loaded = skin::loadSkin({&options, &images}, skin::kInternalSkinName, nullptr, &problems);
    }
};

TEST_F(InternalSkin, FilesInTheirOrderAndShapes)
{
    EXPECT_EQ(archive.ImageCount, 4);
    ASSERT_EQ(archive.Files.size(), 4u);
    struct File {
        const char* name;
        bool isBitmap;
        int width, height, bits;
    };
    const File files[] = {{"ButtonHuge.bmp", true, 288, 192, 8},
                          {"Master.bmp", true, 515, 100, 24},
                          {"tl.bmp", true, 429, 600, 8},
                          {"GlowBtn.PNG", false, 32, 32, 24}};
    for (std::size_t i = 0; i < 4; ++i) {
        const skin::TacImageItem& item = archive.Files[i];
        EXPECT_EQ(item.Name, files[i].name);
        EXPECT_EQ(item.IsBitmap, files[i].isBitmap);
        const gfx::Bitmap b = gfx::decodeImage(item.Data.bytes());
        EXPECT_EQ(b.size(), (gfx::Size{files[i].width, files[i].height})) << item.Name;
        if (item.IsBitmap) {
            EXPECT_EQ(b.bitsPerPixel(), files[i].bits) << item.Name;
        }
    }
    // The glow keeps its transparency: PNG colour type 6 (RGBA) at byte 25.
    EXPECT_EQ(archive.Files[3].Data.bytes().at(25), 6);
    // Every stream is zlib with default compression.
    const auto bytes = skin::internalSkinArchive();
    EXPECT_EQ(bytes[8 + 4 + 11 + 4], 0x78);
    EXPECT_EQ(bytes[8 + 4 + 11 + 4 + 1], 0x9C);
}

TEST_F(InternalSkin, ParsesCleanWithTheStatedSections)
{
    for (const auto& p : problems) ADD_FAILURE() << p.section << " " << p.key << ": " << p.text;
    ASSERT_EQ(loaded.gd.size(), 64u);
    EXPECT_DOUBLE_EQ(loaded.SkinData.Version, 6.03);
    EXPECT_EQ(loaded.SkinData.BISpacing, -1);
    EXPECT_EQ(loaded.SkinData.BorderColor, 14078931u);
    EXPECT_EQ(loaded.SkinData.Shadow1Color, 4539717u);
    EXPECT_EQ(loaded.gd[std::size_t(loaded.GetSkinIndex("GLOBALINFO"))].Color, 15790320u);

    const int form = loaded.GetMaskIndex(loaded.GetSkinIndex("FORM"), "FORM", "BORDERSMASK");
    ASSERT_GE(form, 0);
    EXPECT_EQ(loaded.GetMaskFrameSize(form), (gfx::Size{257, 17}));
    EXPECT_EQ(loaded.ma[std::size_t(form)].ImageCount, 2);
    for (int w : {loaded.MaskWidthLeft(form), loaded.MaskWidthTop(form), loaded.MaskWidthRight(form), loaded.MaskWidthBottom(form)})
        EXPECT_EQ(w, 4);

    const int buttonSection = loaded.GetSkinIndex("BUTTON");
    const int button = loaded.GetMaskIndex(buttonSection, "BUTTON", "BORDERSMASK");
    ASSERT_GE(button, 0);
    const skin::TsMaskData& b = loaded.ma[std::size_t(button)];
    EXPECT_EQ(loaded.GetMaskFrameSize(button), (gfx::Size{17, 21}));
    EXPECT_EQ((std::array<int, 4>{b.WL, b.WT, b.WR, b.WB}), (std::array<int, 4>{8, 10, 8, 10}));
    EXPECT_EQ(b.StretchMode, 5);
    EXPECT_TRUE(loaded.gd[std::size_t(buttonSection)].FadingEnabled);
    EXPECT_EQ(loaded.gd[std::size_t(buttonSection)].FadingIterations, 20);
    // The glow names a PNG, which is no image entry here.
    EXPECT_EQ(loaded.FindMaskIndex("BUTTON", "GLOW0"), -1);

    for (const char* s : {"MDIAREA", "CHECKBOX", "WEBBUTTON"})
        EXPECT_EQ(loaded.FindMaskIndex(s, "BORDERSMASK"), -1) << s;
    EXPECT_EQ(loaded.gd[std::size_t(loaded.GetSkinIndex("FORMTITLE"))].HotGradientArray.size(), 6u);

    const int corner = loaded.FindMaskIndex("FORMTITLE", "IMGTOPLEFT");
    ASSERT_GE(corner, 0);
    EXPECT_EQ(loaded.ma[std::size_t(corner)].ImgType, skin::TacImgType::itisaGlyph);
    EXPECT_EQ(loaded.ma[std::size_t(corner)].ImageCount, 1);
    EXPECT_EQ(loaded.ma[std::size_t(corner)].MaskType, 1);
}

TEST_F(InternalSkin, RoundedCornersAreSeeThrough)
{
    // The outer corner pixel of the window frame and of a button show what lies beneath.
    const gfx::Bitmap& m = loaded.MasterBitmap;
    EXPECT_EQ(m.pixel24(0, 79), gfx::kKeyColor);
    EXPECT_EQ(m.pixel24(48, 19), gfx::kKeyColor);
    EXPECT_NE(m.pixel24(48 + 8, 19), gfx::kKeyColor);
    // A key pixel never appears by accident inside a picture.
    EXPECT_NE(m.pixel24(48 + 8, 19 + 5), gfx::kKeyColor);
}

}  // namespace
