#include "gdi_fixture.h"

namespace plat {
namespace {

using test::MemoryDc;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(GdiLines, LinesLeaveOutTheirEndPoint)
{
    MemoryDc m(6, 6);
    HGDIOBJ pen = GetStockObject(BLACK_PEN);
    SelectObject(m.dc, pen);
    MoveToEx(m.dc, 0, 0, nullptr);
    LineTo(m.dc, 4, 0);
    EXPECT_EQ(m.row(0, kBlack), "####..");
    POINT p;
    GetCurrentPositionEx(m.dc, &p);
    EXPECT_EQ(p, (POINT{4, 0}));
    // A diagonal: one pixel per step, the end excluded.
    MoveToEx(m.dc, 0, 1, nullptr);
    LineTo(m.dc, 3, 4);
    EXPECT_EQ(m.at(0, 1), kBlack);
    EXPECT_EQ(m.at(2, 3), kBlack);
    EXPECT_EQ(m.at(3, 4), kWhite);
    EXPECT_EQ(m.count(kBlack), 4 + 3);
}

TEST(GdiLines, NotAndXorPensInvertAndDrawingTwiceRestores)
{
    MemoryDc m(5, 5, RGB(10, 20, 30));
    SelectObject(m.dc, GetStockObject(WHITE_PEN));
    SetROP2(m.dc, R2_NOT);
    POINT box[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}};
    Polyline(m.dc, box, 5);
    // The closed outline touches every corner exactly once.
    EXPECT_EQ(m.count(RGB(245, 235, 225)), 16);
    Polyline(m.dc, box, 5);
    EXPECT_EQ(m.count(RGB(10, 20, 30)), 25);

    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0xFF, 0, 0xFF));
    SelectObject(m.dc, pen);
    SetROP2(m.dc, R2_XORPEN);
    MoveToEx(m.dc, 0, 2, nullptr);
    LineTo(m.dc, 5, 2);
    EXPECT_EQ(m.row(2, RGB(10 ^ 0xFF, 20, 30 ^ 0xFF)), "#####");
    SelectObject(m.dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST(GdiShapes, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    MemoryDc m(5, 4);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(m.dc, brush);
    Rectangle(m.dc, 0, 0, 5, 4);
    EXPECT_EQ(m.row(0, kBlack), "#####");
    EXPECT_EQ(m.row(1, kBlack), "#...#");
    EXPECT_EQ(m.row(1, RGB(0, 0, 255)), ".###.");
    EXPECT_EQ(m.row(3, kBlack), "#####");
    // Without a pen the fill stops one pixel short on the right and bottom.
    SelectObject(m.dc, GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(brush));
    MemoryDc n(5, 4);
    SelectObject(n.dc, GetStockObject(NULL_PEN));
    SelectObject(n.dc, GetStockObject(BLACK_BRUSH));
    Rectangle(n.dc, 0, 0, 5, 4);
    EXPECT_EQ(n.row(0, kBlack), "####.");
    EXPECT_EQ(n.row(3, kBlack), ".....");
}

TEST(GdiShapes, FocusRectangleIsDottedAndUndoesItself)
{
    MemoryDc m(6, 4, kWhite);
    RECT r{0, 0, 6, 4};
    DrawFocusRect(m.dc, &r);
    EXPECT_EQ(m.row(0, kBlack), "#.#.#.");
    EXPECT_EQ(m.row(1, kBlack), ".....#");
    EXPECT_EQ(m.row(3, kBlack), ".#.#.#");
    DrawFocusRect(m.dc, &r);
    EXPECT_EQ(m.count(kWhite), 24);
}

TEST(GdiShapes, FillRectAcceptsSystemColourIndexPlusOne)
{
    MemoryDc m(2, 2);
    RECT r{0, 0, 2, 2};
    FillRect(m.dc, &r, HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1)));
    EXPECT_EQ(m.at(1, 1), RGB(212, 208, 200));
    FillRect(m.dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    EXPECT_EQ(m.at(0, 0), RGB(10, 36, 106));
}

TEST(GdiShapes, EllipseStaysInsideItsBoxAndIsSymmetric)
{
    MemoryDc m(9, 9);
    SelectObject(m.dc, GetStockObject(BLACK_BRUSH));
    Ellipse(m.dc, 1, 1, 8, 8);
    EXPECT_EQ(m.row(0, kBlack), ".........");
    EXPECT_EQ(m.row(4, kBlack), ".#######.");
    EXPECT_EQ(m.at(1, 1), kWhite);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(m.at(x, y), m.at(8 - x, 8 - y)) << x << "," << y;
}

TEST(GdiEdges, RaisedAndSunkenEdgesUseTheClassicColours)
{
    constexpr COLORREF light = RGB(212, 208, 200), dark = RGB(64, 64, 64), hi = kWhite, shadow = RGB(128, 128, 128);
    struct Case {
        UINT edge;
        COLORREF outerTL, innerTL, innerBR, outerBR;
    };
    const Case cases[] = {
        {EDGE_RAISED, light, hi, shadow, dark},
        {EDGE_SUNKEN, shadow, dark, light, hi},
        {EDGE_ETCHED, shadow, hi, shadow, hi},
        {EDGE_BUMP, light, dark, light, dark},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edge);
        MemoryDc m(6, 6, RGB(1, 2, 3));
        RECT r{0, 0, 6, 6};
        DrawEdge(m.dc, &r, c.edge, BF_RECT | BF_ADJUST);
        EXPECT_EQ(r, (RECT{2, 2, 4, 4}));
        EXPECT_EQ(m.at(0, 0), c.outerTL);
        EXPECT_EQ(m.at(1, 1), c.innerTL);
        EXPECT_EQ(m.at(4, 4), c.innerBR);
        EXPECT_EQ(m.at(5, 5), c.outerBR);
        EXPECT_EQ(m.at(5, 0), c.outerBR);  // the bottom/right lines own the shared corners
        EXPECT_EQ(m.at(0, 5), c.outerBR);
        EXPECT_EQ(m.at(2, 2), RGB(1, 2, 3));  // no BF_MIDDLE
    }
}

TEST(GdiEdges, FlagsChooseSidesMiddleAndFlatLook)
{
    MemoryDc m(5, 5, RGB(1, 2, 3));
    RECT r{0, 0, 5, 5};
    DrawEdge(m.dc, &r, BDR_RAISEDINNER, BF_TOP | BF_LEFT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(r, (RECT{1, 1, 5, 5}));
    EXPECT_EQ(m.row(0, kWhite), "#####");
    EXPECT_EQ(m.at(4, 4), RGB(212, 208, 200));  // middle filled, no bottom/right line
    EXPECT_EQ(m.at(0, 4), kWhite);

    MemoryDc flat(4, 4, RGB(1, 2, 3));
    RECT f{0, 0, 4, 4};
    DrawEdge(flat.dc, &f, EDGE_SUNKEN, BF_RECT | BF_FLAT);
    EXPECT_EQ(flat.at(0, 0), RGB(128, 128, 128));
    EXPECT_EQ(flat.at(3, 3), RGB(128, 128, 128));
    EXPECT_EQ(flat.at(1, 1), RGB(212, 208, 200));
}

TEST(GdiGradient, RectangleGradientsReachBothColoursAtTheEnds)
{
    MemoryDc m(8, 4);
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0, 0, 0}, {8, 4, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT rect{0, 1};
    EXPECT_TRUE(GradientFill(m.dc, v, 2, &rect, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(m.at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(m.at(0, 3), RGB(255, 0, 0));
    EXPECT_EQ(m.at(7, 3), RGB(0, 0, 255));
    EXPECT_GT(GetRValue(m.at(3, 0)), GetRValue(m.at(4, 0)));
    EXPECT_TRUE(GradientFill(m.dc, v, 2, &rect, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(m.at(7, 0), RGB(255, 0, 0));
    EXPECT_EQ(m.at(0, 3), RGB(0, 0, 255));
    GRADIENT_RECT bad{0, 2};
    EXPECT_FALSE(GradientFill(m.dc, v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
}

TEST(GdiGradient, TriangleCornersTakeTheirVertexColours)
{
    MemoryDc m(10, 10, kBlack);
    TRIVERTEX v[3] = {{0, 0, 0xFF00, 0, 0, 0}, {10, 0, 0, 0xFF00, 0, 0}, {0, 10, 0, 0, 0xFF00, 0}};
    GRADIENT_TRIANGLE t{0, 1, 2};
    EXPECT_TRUE(GradientFill(m.dc, v, 3, &t, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_GT(GetRValue(m.at(0, 0)), 220);
    EXPECT_GT(GetGValue(m.at(9, 0)), 200);
    EXPECT_GT(GetBValue(m.at(0, 9)), 200);
    EXPECT_EQ(m.at(9, 9), kBlack);  // outside the triangle
}

TEST(GdiIcons, MaskKeepsTheBackgroundAndColourCoversTheRest)
{
    const BYTE maskBits[] = {0x40, 0, 0x40, 0};  // column 1 transparent
    HBITMAP mask = CreateBitmap(2, 2, 1, 1, maskBits);
    MemoryDc colour(2, 2, RGB(0, 128, 0));
    SetPixel(colour.dc, 1, 0, kBlack);
    SetPixel(colour.dc, 1, 1, kBlack);
    ICONINFO info;
    info.hbmMask = mask;
    info.hbmColor = colour.bitmap;
    HICON icon = CreateIconIndirect(&info);
    ASSERT_TRUE(icon);
    EXPECT_EQ(IconSize(icon), (SIZE{2, 2}));
    MemoryDc m(4, 2, RGB(5, 5, 5));
    EXPECT_TRUE(DrawIcon(m.dc, 1, 0, icon));
    EXPECT_EQ(m.row(0, RGB(0, 128, 0)), ".#..");
    EXPECT_EQ(m.row(1, RGB(5, 5, 5)), "#.##");
    EXPECT_TRUE(DrawIconEx(m.dc, 0, 0, icon, 4, 2, 0, {}, DI_NORMAL));
    EXPECT_EQ(m.row(0, RGB(0, 128, 0)), "##..");
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIcon(m.dc, 0, 0, icon));
    DeleteObject(mask);
}

}  // namespace
}  // namespace plat
