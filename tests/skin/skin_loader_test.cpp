#include <gtest/gtest.h>

#include "base/error.h"
#include "memory_images.h"
#include "test_jpeg.h"
#include "plat/system/sys_colors.h"
#include "skin/model/skin_loader.h"

namespace {

using skin::LoadedSkin;
using skin::OptionsText;
using skin::TacImgType;

// A small skin: a master bitmap of 100 x 50 and a few image files.
class SkinFixture : public testing::Test {
protected:
    MemoryImages images;
    std::vector<skin::SkinProblem> problems;

    void SetUp() override
    {
        gfx::Bitmap master(100, 50, 8);
        master.palette().assign(256, 0x808080);
        images.addBmp("MASTER.BMP", master);
        gfx::Bitmap tl(40, 60, 8);
        tl.palette().assign(256, 0x112233);
        images.addBmp("TL.BMP", tl);
        images.addBmp("FRAME.BMP", gfx::Bitmap(30, 12));
        images.files["EMPTY.BMP"] = {};
        images.files["SQUARE.JPG"] = jpegOf(300, 300);
        images.files["STRIP.JPG"] = jpegOf(300, 299);
    }

    LoadedSkin load(const std::string& text, bool collect = false)
    {
        const OptionsText options = OptionsText::parse("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n" + text);
        skin::SkinSources src{&options, &images};
        return skin::loadSkin(src, "Test", nullptr, collect ? &problems : nullptr);
    }
};

TEST_F(SkinFixture, MasksComeInFileOrderOfWhatExists)
{
    const LoadedSkin s = load(
        "[A]\n"
        "BORDERSMASK=^0000^0000^0030^0012^0000^0000^0000^0000^1^0^0^1\n"
        "GONE=!MISSING.BMP!1!0!0\n"
        "HOLLOW=!EMPTY.BMP!1!0!0\n"
        "IMGTOPLEFT=!TL.BMP!1!1!2\n"
        "TEXTURE=!TL.BMP!1!0!1\n"
        "WHOLE=frame.bmp\n"
        "BIG=square.jpg\n"
        "SMALL=Strip.JPG\n"
        "COLOR=5\n");
    EXPECT_EQ(s.MasterBitmap.bitsPerPixel(), 24);
    EXPECT_EQ(s.MasterBitmap.size(), (gfx::Size{100, 50}));
    ASSERT_EQ(s.ma.size(), 5u);
    EXPECT_EQ(s.ma[0].PropertyName, "BORDERSMASK");
    EXPECT_FALSE(s.ma[0].hasOwnImage());
    // The title's corner: one frame, picture above its mask, a glyph of its own image.
    EXPECT_EQ(s.ma[1].PropertyName, "IMGTOPLEFT");
    EXPECT_EQ(s.ma[1].ImgType, TacImgType::itisaGlyph);
    EXPECT_EQ(s.ma[1].Image->bitsPerPixel(), 24);
    EXPECT_EQ(s.ma[1].SourceRect, (gfx::Rect{0, 0, 40, 60}));
    EXPECT_EQ(s.ma[1].ImageCount, 1);
    EXPECT_EQ(s.ma[1].MaskType, 1);
    EXPECT_EQ(s.GetMaskFrameSize(1), (gfx::Size{13, 30}));
    // Textures keep their depth.
    EXPECT_EQ(s.ma[2].Image->bitsPerPixel(), 8);
    EXPECT_EQ(s.ma[3].SectionName, "A");
    EXPECT_EQ(s.ma[3].PropertyName, "WHOLE");
    EXPECT_EQ((std::array<int, 4>{s.ma[3].WL, s.ma[3].WT, s.ma[3].WR, s.ma[3].WB}), (std::array<int, 4>{3, 2, 3, 2}));
    // A JPEG of more than 89999 pixels stays a pattern; a smaller one is a texture mask.
    ASSERT_EQ(s.pa.size(), 1u);
    EXPECT_EQ(s.pa[0].PropertyName, "BIG");
    EXPECT_EQ(s.ma[4].PropertyName, "SMALL");
    EXPECT_EQ(s.ma[4].ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(s.ma[4].SourceRect, (gfx::Rect{0, 0, 300, 299}));
    EXPECT_EQ(s.GetPatternIndex(s.GetSkinIndex("A"), "A", "BIG"), 0);
    EXPECT_EQ(s.GetTextureIndex(s.GetSkinIndex("A"), "A", "SMALL"), 4);
    EXPECT_EQ(s.GetTextureIndex(s.GetSkinIndex("A"), "A", "BORDERSMASK"), -1);
}

TEST_F(SkinFixture, RectanglesOutsideTheMasterAreCutOrDropped)
{
    const LoadedSkin s = load(
        "[A]\n"
        "PARTLY=@0090@0000@0110@0010@1@0\n"
        "BEYOND=@0200@0000@0210@0010@1@0\n"
        "BACKWARDS=@0050@0000@0040@0010@1@0\n",
        true);
    ASSERT_EQ(s.ma.size(), 1u);
    EXPECT_EQ(s.ma[0].SourceRect, (gfx::Rect{90, 0, 100, 10}));
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[1].key, "BEYOND");
    EXPECT_EQ(problems[1].line, 5);
    EXPECT_NE(problems[1].text.find("outside the master bitmap of 100 x 50"), std::string::npos);
    EXPECT_FALSE(problems[1].fatal);
}

TEST_F(SkinFixture, BadNumbersStopTheLoadOrAreListed)
{
    const std::string text = "[Edit]\nA=@0000@0000@0010@0010@1@0\nBORDERSMASK=^00x8^0019\nB=!MISSING.BMP!1!0!0\nC=@0000@0000@0010@0010@1@0\n";
    try {
        load(text);
        ADD_FAILURE() << "loaded";
    } catch (const base::Error& e) {
        EXPECT_STREQ(e.what(), "Skin \"Test\", section [Edit], key BORDERSMASK, line 5: \"00x8\" is not a valid integer value");
    }
    const LoadedSkin s = load(text, true);
    EXPECT_EQ(s.ma.size(), 2u);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_TRUE(problems[0].fatal);
    EXPECT_EQ(problems[1].text, "names a missing file \"MISSING.BMP\"");
    EXPECT_FALSE(problems[1].fatal);
}

TEST_F(SkinFixture, DamagedImageIsAnError)
{
    images.files["BROKEN.BMP"] = {'B', 'M', 1, 2, 3};
    EXPECT_THROW(load("[A]\nX=!BROKEN.BMP!1!0!0\n"), base::Error);
}

TEST_F(SkinFixture, GeneralValuesAndInheritance)
{
    const LoadedSkin s = load(
        "[Base]\nCOLOR=$123456\nFONTCOLOR=7\nTCLEFT=8\nSHADOWCOLOR=9\nFADINGENABLED=true\nGRADIENTDATA=1;2;150;1;0;3;4;5;0;0;6;7\n"
        "SHOWFOCUS=TRUE\nBEVEL=3\n"
        "[Child]\nPARENTCLASS=base\nCOLOR=-1\nFADINGENABLED=?\nSHOWFOCUS=no\nBEVEL=9\n"
        "[Orphan]\nCOLOR=-1\nHOTCOLOR=$8000000F\nFADINGITERATIONS=junk\n"
        "[Self]\nPARENTCLASS=SELF\nCOLOR=-1\n"
        "[Ping]\nPARENTCLASS=Pong\n"
        "[Pong]\nPARENTCLASS=Ping\n"
        "[System]\nCOLOR=$8000000F\n");
    ASSERT_EQ(s.gd.size(), 8u);
    const skin::TsGeneralData& base = s.gd[1];
    EXPECT_EQ(base.SectionName, "Base");
    EXPECT_EQ(base.Color, 0x123456u);
    EXPECT_EQ(base.FontColor, (skin::TsFontColors{7, 8, -1, -1, -1}));
    EXPECT_EQ(base.Bevel, skin::TsControlBevel::cbRaisedHard);
    // Twelve numbers: two steps, percent capped at 100.
    ASSERT_EQ(base.GradientArray.size(), 2u);
    EXPECT_EQ(base.GradientArray[0].Percent, 100);
    EXPECT_EQ(base.GradientArray[0].Mode, 1);
    EXPECT_EQ(base.GradientArray[1].Color1, 3u);

    const skin::TsGeneralData& child = s.gd[2];
    EXPECT_EQ(child.ParentClass, "base");
    EXPECT_EQ(child.Color, 0x123456u);        // -1 asks the parent
    EXPECT_EQ(child.FontColor[1], 8);
    EXPECT_EQ(child.ShadowColor, 0u);         // read from the section alone
    EXPECT_TRUE(child.FadingEnabled);         // "?" asks the parent
    EXPECT_FALSE(child.ShowFocus);            // any other text is false
    EXPECT_EQ(child.Bevel, skin::TsControlBevel::cbNone);
    EXPECT_EQ(child.GradientArray.size(), 2u);

    const skin::TsGeneralData& orphan = s.gd[3];
    EXPECT_EQ(orphan.Color, 0xFFFFFFu);
    EXPECT_EQ(orphan.HotColor, 0x8000000Fu);  // hot colour stays as written
    EXPECT_EQ(orphan.FadingIterations, 5);
    EXPECT_TRUE(orphan.GradientArray.empty());
    EXPECT_EQ(orphan.GradientData, " ");
    EXPECT_EQ(s.gd[4].Color, 0xFFFFFFu);
    EXPECT_EQ(s.gd[5].Color, 0xFFFFFFu);      // a loop of parents ends
    EXPECT_EQ(s.gd[7].Color, plat::ColorToRGB(plat::SystemColor(plat::COLOR_BTNFACE)));
}

TEST_F(SkinFixture, MaskLookupsFollowParentsAndEnd)
{
    const LoadedSkin s = load(
        "[Panel]\nBORDERSMASK=^0000^0000^0030^0012^0000^0000^0000^0000^1^0^0^1\n"
        "[PANEL_LOW]\nPARENTCLASS=Panel\nBORDERSMASK=N/A\n"
        "[Ping]\nPARENTCLASS=Pong\n"
        "[Pong]\nPARENTCLASS=Ping\n");
    const int low = s.GetSkinIndex("PANEL_LOW");
    EXPECT_EQ(low, 2);
    EXPECT_EQ(s.GetSkinIndex("panel_low"), -1);  // lookups are exact
    EXPECT_EQ(s.GetMaskIndex(low, "PANEL_LOW", "BORDERSMASK"), 0);
    EXPECT_EQ(s.FindMaskIndex("PANEL_LOW", "BORDERSMASK"), -1);
    EXPECT_EQ(s.GetMaskIndex(s.GetSkinIndex("Ping"), "Ping", "BORDERSMASK"), -1);
    EXPECT_EQ(s.GetMaskIndex(-1, "Panel", "BORDERSMASK"), -1);
    EXPECT_EQ(s.MaskWidthLeft(0), 1);
    EXPECT_EQ(s.GetMaskFrameSize(0), (gfx::Size{30, 12}));
}

TEST_F(SkinFixture, CommonSectionsMergeOverTheSkin)
{
    const OptionsText options = OptionsText::parse(
        "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[BUTTON]\nCOLOR=1\nHOTCOLOR=2\n[PANEL]\nCOLOR=3\nFONTCOLOR=4\n");
    const OptionsText common = OptionsText::parse(
        "[button]\nHOTCOLOR=20\n[MYPANEL]\nPARENTCLASS=panel\nCOLOR=30\n[NEW]\nCOLOR=40\nGLYPH=!TL.BMP!1!1!2\nTEX=square.jpg\n");
    MemoryImages commonImages;
    commonImages.files["TL.BMP"] = images.files["TL.BMP"];
    commonImages.files["SQUARE.JPG"] = jpegOf(10, 10);
    skin::SkinSources src{&options, &images, &common, &commonImages};
    const LoadedSkin s = skin::loadSkin(src, "Test");
    ASSERT_EQ(s.gd.size(), 5u);
    EXPECT_EQ(s.gd[1].SectionName, "BUTTON");
    EXPECT_EQ(s.gd[1].Color, 1u);
    EXPECT_EQ(s.gd[1].HotColor, 20u);
    EXPECT_EQ(s.gd[3].SectionName, "MYPANEL");
    EXPECT_EQ(s.gd[3].Color, 30u);
    EXPECT_EQ(s.gd[3].FontColor[0], 4);
    EXPECT_EQ(s.gd[4].Color, 40u);
    EXPECT_EQ(s.gd[4].HotColor, 0xFFFFFFu);
    EXPECT_EQ(s.FindMaskIndex("NEW", "GLYPH"), 0);
    ASSERT_EQ(s.pa.size(), 1u);  // extra JPEGs are patterns whatever their size
}

}  // namespace
