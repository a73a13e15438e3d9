#include "base/error.h"
#include "fw/graphics/brush.h"
#include "fw/graphics/color.h"
#include "fw/graphics/font.h"
#include "fw/graphics/pen.h"
#include "gtest/gtest.h"
#include "plat/gdi/objects.h"
#include "plat/system/sys_colors.h"

namespace fw {
namespace {

TEST(GraphicsColor, SystemColoursResolveThroughTheCurrentTableAndMarkersStay)
{
    struct Case {
        TColor color;
        TColor rgb;
    };
    const Case cases[] = {
        {clRed, 0x0000FF},
        {clNavy, 0x800000},
        {TColor(0x02123456), 0x123456},  // a high byte that names no system colour is dropped
        {clBtnFace, TColor(plat::GetSysColor(plat::COLOR_BTNFACE))},
        {clWindowText, TColor(plat::GetSysColor(plat::COLOR_WINDOWTEXT))},
        {clNone, clNone},
        {clDefault, clDefault},
    };
    for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.color), c.rgb) << std::hex << c.color;
    EXPECT_EQ(ColorToRef(clNone, 0x123), 0x123u);

    const int index = plat::COLOR_HIGHLIGHT;
    const plat::COLORREF pink = 0xCC88FF;
    plat::SetSysColors(1, &index, &pink);
    EXPECT_EQ(ColorToRGB(clHighlight), TColor(pink));
    plat::ResetSysColors();
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
}

TEST(GraphicsFont, TellsOfEachRealChangeOnceAndRemakesItsHandleOnlyForItsLook)
{
    TFont font;
    int changes = 0;
    font.SetOnChange([&](TObject* sender) {
        ++changes;
        EXPECT_EQ(sender, &font);
    });
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clWindowText);

    plat::HFONT first = font.Handle();
    ASSERT_TRUE(first);
    font.SetColor(clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Handle(), first);  // the colour is not part of the handle
    font.SetColor(clRed);
    font.SetHeight(-11);
    font.SetName("");
    EXPECT_EQ(changes, 1);

    font.SetStyle({fsBold, fsUnderline});
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(plat::GetObjectType(first), 0u);  // nobody else had it: deleted
    plat::LOGFONT lf;
    ASSERT_GT(plat::GetObject(font.Handle(), sizeof lf, &lf), 0);
    EXPECT_EQ(lf.lfWeight, plat::FW_BOLD);
    EXPECT_TRUE(lf.lfUnderline);

    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 12);

    TFont copy;
    int copyChanges = 0;
    copy.SetOnChange([&](TObject*) { ++copyChanges; });
    font.Handle();
    copy.Assign(font);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_TRUE(copy.SameAs(font));
    EXPECT_EQ(copy.Handle(), font.Handle());  // one look, one handle
    copy.Assign(font);
    EXPECT_EQ(copyChanges, 1);

    TPen pen;
    EXPECT_THROW(copy.Assign(pen), base::Error);
    EXPECT_TRUE(copy.InheritsFrom("TGraphicsObject"));

    TFont fromHandle;
    plat::LOGFONT turned = font.LogFont();
    turned.lfEscapement = -2700;
    plat::HFONT made = plat::CreateFontIndirect(&turned);
    fromHandle.SetHandle(made);
    plat::DeleteObject(made);
    EXPECT_EQ(fromHandle.Orientation(), -2700);
    EXPECT_EQ(fromHandle.Height(), -16);
    EXPECT_EQ(fromHandle.Style(), (TFontStyles{fsBold, fsUnderline}));
}

TEST(GraphicsBrushAndPen, ClearAndNoColourGoTogetherAndModesMapToRasterOperations)
{
    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetColor(clNone);
    EXPECT_EQ(brush.Style(), bsClear);
    brush.SetColor(clBlue);
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetColor(clNone);
    brush.SetStyle(bsSolid);
    EXPECT_EQ(brush.Color(), clWhite);  // a solid brush always has a colour
    plat::LOGBRUSH lb;
    brush.SetStyle(bsClear);
    ASSERT_GT(plat::GetObject(brush.Handle(), sizeof lb, &lb), 0);
    EXPECT_EQ(lb.lbStyle, plat::BS_NULL);

    TPen pen;
    int changes = 0;
    pen.SetOnChange([&](TObject*) { ++changes; });
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(changes, 0);
    plat::HPEN first = pen.Handle();
    pen.SetMode(pmXor);
    EXPECT_EQ(pen.Handle(), first);
    EXPECT_EQ(PenModeToRop2(pmXor), plat::R2_XORPEN);
    EXPECT_EQ(PenModeToRop2(pmNotCopy), plat::R2_NOTCOPYPEN);
    pen.SetColor(clNone);
    plat::LOGPEN lp;
    ASSERT_GT(plat::GetObject(pen.Handle(), sizeof lp, &lp), 0);
    EXPECT_EQ(lp.lopnStyle, plat::UINT(plat::PS_NULL));
    EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace fw
