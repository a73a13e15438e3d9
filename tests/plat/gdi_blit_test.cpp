#include "gdi_fixture.h"

namespace plat {
namespace {

using test::MemoryDc;

struct RopCase {
    const char* name;
    DWORD rop;
    COLORREF expected;  // for pattern 0x0F0F0F (brush), source 0x336699, destination 0x55AA00
};

TEST(GdiBlit, RasterOperationsCombinePatternSourceAndDestination)
{
    constexpr COLORREF P = 0x0F0F0F, S = 0x336699, D = 0x55AA00;
    const RopCase cases[] = {
        {"SRCCOPY", SRCCOPY, S},
        {"SRCPAINT", SRCPAINT, S | D},
        {"SRCAND", SRCAND, S & D},
        {"SRCINVERT", SRCINVERT, S ^ D},
        {"SRCERASE", SRCERASE, S & (~D & 0xFFFFFF)},
        {"NOTSRCCOPY", NOTSRCCOPY, ~S & 0xFFFFFF},
        {"NOTSRCERASE", NOTSRCERASE, ~(S | D) & 0xFFFFFF},
        {"MERGECOPY", MERGECOPY, P & S},
        {"MERGEPAINT", MERGEPAINT, (~S & 0xFFFFFF) | D},
        {"PATCOPY", PATCOPY, P},
        {"PATINVERT", PATINVERT, P ^ D},
        {"PATPAINT", PATPAINT, P | (~S & 0xFFFFFF) | D},
        {"DSTINVERT", DSTINVERT, ~D & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    for (const RopCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryDc src(4, 4, S), dst(4, 4, D);
        HBRUSH brush = CreateSolidBrush(P);
        HBRUSH old = SelectObject(dst.dc, brush);
        EXPECT_EQ(BitBlt(dst.dc, 1, 1, 2, 2, src.dc, 0, 0, c.rop), TRUE);
        EXPECT_EQ(dst.at(1, 1), c.expected);
        EXPECT_EQ(dst.at(2, 2), c.expected);
        EXPECT_EQ(dst.at(0, 0), D);
        EXPECT_EQ(dst.at(3, 3), D);
        SelectObject(dst.dc, old);
        EXPECT_TRUE(DeleteObject(brush));
    }
}

TEST(GdiBlit, PatBltRefusesOperationsNeedingASource)
{
    MemoryDc dst(2, 2, 0x123456);
    EXPECT_FALSE(PatBlt(dst.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(PatBlt(dst.dc, 0, 0, 2, 2, DSTINVERT));
    EXPECT_EQ(dst.at(1, 1), ~COLORREF(0x123456) & 0xFFFFFF);
}

TEST(GdiBlit, MonoSourceTakesDestinationTextAndBackgroundColours)
{
    // 0 bits become the text colour, 1 bits the background colour.
    const BYTE bits[] = {0xA0, 0x00};  // 1 0 1 0 in the first row (rows padded to 2 bytes)
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, bits);
    HDC src = CreateCompatibleDC({});
    HBITMAP old = SelectObject(src, mono);
    MemoryDc dst(4, 1, 0);
    SetTextColor(dst.dc, RGB(255, 0, 0));
    SetBkColor(dst.dc, RGB(0, 0, 255));
    BitBlt(dst.dc, 0, 0, 4, 1, src, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dst.at(1, 0), RGB(255, 0, 0));
    EXPECT_EQ(dst.at(2, 0), RGB(0, 0, 255));
    EXPECT_EQ(dst.at(3, 0), RGB(255, 0, 0));
    SelectObject(src, old);
    DeleteDC(src);
    DeleteObject(mono);
}

TEST(GdiBlit, ColourToMonoMarksTheSourceBackgroundColourWhite)
{
    MemoryDc src(3, 1, RGB(255, 0, 255));
    SetPixel(src.dc, 1, 0, RGB(10, 20, 30));
    SetBkColor(src.dc, RGB(255, 0, 255));
    HDC maskDc = CreateCompatibleDC({});
    HBITMAP mask = CreateCompatibleBitmap(maskDc, 3, 1);  // mono: the fresh DC holds a mono bitmap
    ASSERT_EQ(BitmapPixels(mask)->bitsPerPixel(), 1);
    HBITMAP old = SelectObject(maskDc, mask);
    BitBlt(maskDc, 0, 0, 3, 1, src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(maskDc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(maskDc, 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(maskDc, 2, 0), RGB(255, 255, 255));
    SelectObject(maskDc, old);
    DeleteDC(maskDc);
    DeleteObject(mask);
}

TEST(GdiBlit, StretchBltScalesAndMirrors)
{
    MemoryDc src(2, 1, 0);
    SetPixel(src.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(src.dc, 1, 0, RGB(0, 255, 0));
    MemoryDc dst(4, 2, 0xFFFFFF);
    StretchBlt(dst.dc, 0, 0, 4, 2, src.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.row(1, RGB(255, 0, 0)), "##..");
    EXPECT_EQ(dst.row(0, RGB(0, 255, 0)), "..##");
    // A negative destination width mirrors.
    StretchBlt(dst.dc, 4, 0, -4, 1, src.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.row(0, RGB(255, 0, 0)), "..##");
}

TEST(GdiBlit, SourceOutsideItsBitmapLeavesDestinationAlone)
{
    MemoryDc src(2, 2, RGB(1, 2, 3)), dst(4, 4, RGB(9, 9, 9));
    BitBlt(dst.dc, 0, 0, 4, 4, src.dc, -1, -1, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(dst.at(1, 1), RGB(1, 2, 3));
    EXPECT_EQ(dst.at(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(dst.at(3, 3), RGB(9, 9, 9));
}

TEST(GdiBlit, PatternBrushTilesFromTheBrushOrigin)
{
    const BYTE bits[] = {0x80, 0, 0x40, 0};  // 2x2 diagonal: (0,0) and (1,1) set
    HBITMAP pattern = CreateBitmap(2, 2, 1, 1, bits);
    HBRUSH brush = CreatePatternBrush(pattern);
    MemoryDc dst(4, 1, 0x777777);
    SetTextColor(dst.dc, RGB(0, 0, 0));
    SetBkColor(dst.dc, RGB(255, 255, 255));
    RECT r{0, 0, 4, 1};
    FillRect(dst.dc, &r, brush);
    EXPECT_EQ(dst.row(0, RGB(255, 255, 255)), "#.#.");
    SetBrushOrgEx(dst.dc, 1, 0, nullptr);
    FillRect(dst.dc, &r, brush);
    EXPECT_EQ(dst.row(0, RGB(255, 255, 255)), ".#.#");
    DeleteObject(brush);
    DeleteObject(pattern);
}

}  // namespace
}  // namespace plat
