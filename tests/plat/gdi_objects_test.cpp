#include "gdi_fixture.h"

namespace plat {
namespace {

TEST(GdiObjects, DeletedHandlesGoStaleAndStockObjectsStay)
{
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_FALSE(DeleteObject(brush));
    HBRUSH reuse = CreateSolidBrush(RGB(4, 5, 6));  // may take the freed slot
    EXPECT_NE(HGDIOBJ(reuse), HGDIOBJ(brush));
    EXPECT_EQ(GetObjectType(brush), 0u);
    DeleteObject(reuse);

    for (int which : {WHITE_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        HGDIOBJ stock = GetStockObject(which);
        EXPECT_FALSE(DeleteObject(stock)) << which;
        EXPECT_NE(GetObjectType(stock), 0u) << which;
    }
    EXPECT_FALSE(DeleteObject(GetSysColorBrush(COLOR_BTNFACE)));
    LOGFONT lf;
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    EXPECT_EQ(lf.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(lf.lfHeight, -11);
}

TEST(GdiObjects, SelectedObjectsCannotBeDeletedAndSelectReturnsThePrevious)
{
    HDC dc = CreateCompatibleDC({});
    HBITMAP first = CreateCompatibleBitmap({}, 2, 2);
    HBITMAP original = SelectObject(dc, first);
    EXPECT_EQ(BitmapPixels(original)->size(), (gfx::Size{1, 1}));
    EXPECT_FALSE(DeleteObject(first));
    HDC other = CreateCompatibleDC({});
    EXPECT_FALSE(SelectObject(other, first));  // a bitmap lives in one DC
    EXPECT_EQ(SelectObject(dc, original), first);
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_EQ(SelectObject(dc, first), HBITMAP());  // stale
    DeleteDC(other);
    DeleteDC(dc);
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(GdiObjects, DibSectionsExposeTheirPixelStoreInBothRowOrders)
{
    for (int height : {3, -3}) {
        BITMAPINFO info;
        info.bmiHeader.biWidth = 2;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biBitCount = 24;
        void* bits = nullptr;
        HBITMAP b = CreateDIBSection({}, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_TRUE(b);
        gfx::Bitmap* p = BitmapPixels(b);
        EXPECT_EQ(bits, p->bits());
        static_cast<BYTE*>(bits)[2] = 0xFF;  // first pixel in memory, red byte
        int row = height > 0 ? 2 : 0;         // bottom-up stores the last row first
        EXPECT_EQ(p->pixel(0, row), RGB(255, 0, 0));
        BITMAP bm;
        ASSERT_EQ(GetObject(b, sizeof bm, &bm), int(sizeof bm));
        EXPECT_EQ(bm.bmHeight, 3);
        EXPECT_EQ(bm.bmRow0, p->row0());
        DeleteObject(b);
    }
    BITMAPINFO bad;
    bad.bmiHeader.biWidth = 1 << 20;
    bad.bmiHeader.biHeight = 1 << 20;
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_FALSE(CreateDIBSection({}, &bad, DIB_RGB_COLORS, &bits, nullptr, 0));
    EXPECT_EQ(bits, nullptr);
}

TEST(GdiObjects, RegionCombinationsReportTheirShape)
{
    HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(2, 2, 6, 6), out = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    RECT box;
    GetRgnBox(out, &box);
    EXPECT_EQ(box, (RECT{2, 2, 4, 4}));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(out, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, {}, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(out, a));
    EXPECT_EQ(OffsetRgn(out, 10, 0), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(out, 10, 0));
    EXPECT_FALSE(PtInRegion(out, 14, 0));
    DeleteObject(b);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), ERROR);
    DeleteObject(a);
    DeleteObject(out);
}

TEST(GdiSystem, ColoursMetricsAndVersion)
{
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(0x8000000F), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CXFIXEDFRAME), 3);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    SetScreenMetrics(800, 600, {0, 0, 800, 570});
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    EXPECT_EQ(GetWorkArea(), (RECT{0, 0, 800, 570}));
    EXPECT_EQ(GetVersion() & 0xFFFF, 0x0105u);
    EXPECT_EQ(GetVersion() & 0x80000000u, 0u);
}

}  // namespace
}  // namespace plat
