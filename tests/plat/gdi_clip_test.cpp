#include "gdi_fixture.h"

namespace plat {
namespace {

using test::MemoryDc;

constexpr COLORREF kInk = RGB(200, 0, 0);

void fillAll(HDC dc, int w, int h)
{
    HBRUSH brush = CreateSolidBrush(kInk);
    RECT r{-100, -100, w + 100, h + 100};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

TEST(GdiClip, ClipRegionAndClipRectanglesLimitDrawing)
{
    MemoryDc m(6, 3);
    HRGN rgn = CreateRectRgn(1, 0, 5, 3);
    EXPECT_EQ(SelectClipRgn(m.dc, rgn), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(m.dc, 2, 1, 4, 2), COMPLEXREGION);
    fillAll(m.dc, 6, 3);
    EXPECT_EQ(m.row(0, kInk), ".####.");
    EXPECT_EQ(m.row(1, kInk), ".#..#.");
    RECT box;
    EXPECT_EQ(GetClipBox(m.dc, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{1, 0, 5, 3}));

    // The DC keeps its own copy: changing the region afterwards changes nothing.
    SetRectRgn(rgn, 0, 0, 1, 1);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(m.dc, copy), 1);
    EXPECT_EQ(RegionOf(copy)->bounds(), (gfx::Rect{1, 0, 5, 3}));

    EXPECT_EQ(SelectClipRgn(m.dc, {}), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(m.dc, copy), 0);
    EXPECT_EQ(IntersectClipRect(m.dc, 0, 2, 2, 3), SIMPLEREGION);
    fillAll(m.dc, 6, 3);
    EXPECT_EQ(m.row(2, kInk), "#####.");
    DeleteObject(rgn);
    DeleteObject(copy);
}

TEST(GdiClip, OriginsMoveLogicalCoordinatesButClipRegionsStayInDeviceUnits)
{
    MemoryDc m(6, 1);
    HBRUSH brush = CreateSolidBrush(kInk);
    SetViewportOrgEx(m.dc, 3, 0, nullptr);
    SetWindowOrgEx(m.dc, 1, 0, nullptr);  // device = logical - 1 + 3
    RECT r{0, 0, 1, 1};
    FillRect(m.dc, &r, brush);
    EXPECT_EQ(m.row(0, kInk), "..#...");
    HRGN rgn = CreateRectRgn(4, 0, 6, 1);  // device units
    SelectClipRgn(m.dc, rgn);
    RECT wide{-10, 0, 10, 1};
    FillRect(m.dc, &wide, brush);
    EXPECT_EQ(m.row(0, kInk), "..#.##");
    RECT box;
    GetClipBox(m.dc, &box);
    EXPECT_EQ(box, (RECT{2, 0, 4, 1}));  // logical
    POINT p{0, 0};
    LPtoDP(m.dc, &p, 1);
    EXPECT_EQ(p, (POINT{2, 0}));
    DeleteObject(rgn);
    DeleteObject(brush);
}

TEST(GdiClip, SurfaceDcDrawsOnlyInsideItsVisibleRegionAtItsOrigin)
{
    gfx::Bitmap surface(8, 4, 32);
    surface.fill(0xFFFFFF);
    // Device (0,0) is surface (2,1); the visible part excludes surface column 4.
    gfx::Region visible = gfx::Region(gfx::Rect{2, 1, 7, 3}).subtracted(gfx::Rect{4, 0, 5, 4});
    HDC dc = CreateSurfaceDC(&surface, {2, 1}, visible);
    ASSERT_TRUE(IsDC(dc));
    fillAll(dc, 8, 4);
    auto row = [&](int y) {
        std::string s;
        for (int x = 0; x < 8; ++x) s += surface.pixel(x, y) == kInk ? '#' : '.';
        return s;
    };
    EXPECT_EQ(row(0), "........");
    EXPECT_EQ(row(1), "..##.##.");
    EXPECT_EQ(row(3), "........");
    EXPECT_EQ(GetPixel(dc, 0, 0), kInk);  // device (0,0) = surface (2,1)
    EXPECT_EQ(GetPixel(dc, 2, 0), CLR_INVALID);

    // A clip region intersects the visible region, in device coordinates.
    surface.fill(0xFFFFFF);
    HRGN rgn = CreateRectRgn(1, 0, 10, 1);
    SelectClipRgn(dc, rgn);
    fillAll(dc, 8, 4);
    EXPECT_EQ(row(1), "...#.##.");
    EXPECT_EQ(row(2), "........");

    // Moving the DC keeps the state; resetting clears it.
    surface.fill(0xFFFFFF);
    SetSurfaceDCVisible(dc, {0, 0}, gfx::Region(surface.rect()));
    SetTextColor(dc, RGB(1, 2, 3));
    fillAll(dc, 8, 4);
    EXPECT_EQ(row(0), ".#######");
    ResetDCState(dc);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetClipRgn(dc, rgn), 0);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(IsDC(dc));
    DeleteObject(rgn);
}

TEST(GdiClip, SaveAndRestoreBringBackStateByLevel)
{
    MemoryDc m(4, 4);
    SetTextColor(m.dc, RGB(1, 1, 1));
    int first = SaveDC(m.dc);
    EXPECT_EQ(first, 1);
    SetTextColor(m.dc, RGB(2, 2, 2));
    IntersectClipRect(m.dc, 0, 0, 1, 1);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    HPEN oldPen = SelectObject(m.dc, pen);
    EXPECT_EQ(SaveDC(m.dc), 2);
    SetTextColor(m.dc, RGB(3, 3, 3));
    SetViewportOrgEx(m.dc, 5, 5, nullptr);
    EXPECT_EQ(SaveDC(m.dc), 3);

    EXPECT_TRUE(RestoreDC(m.dc, -1));  // back to level 2's state
    EXPECT_EQ(GetTextColor(m.dc), RGB(3, 3, 3));
    EXPECT_TRUE(RestoreDC(m.dc, -1));
    EXPECT_EQ(GetTextColor(m.dc), RGB(2, 2, 2));
    POINT org;
    GetViewportOrgEx(m.dc, &org);
    EXPECT_EQ(org, (POINT{0, 0}));
    EXPECT_FALSE(DeleteObject(pen));  // still selected
    EXPECT_TRUE(RestoreDC(m.dc, first));
    EXPECT_EQ(GetTextColor(m.dc), RGB(1, 1, 1));
    EXPECT_EQ(GetCurrentObject(m.dc, OBJ_PEN), HGDIOBJ(oldPen));
    RECT box;
    EXPECT_EQ(GetClipBox(m.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4}));
    EXPECT_FALSE(RestoreDC(m.dc, -1));  // nothing left
    EXPECT_FALSE(RestoreDC(m.dc, 5));
    EXPECT_TRUE(DeleteObject(pen));
}

}  // namespace
}  // namespace plat
