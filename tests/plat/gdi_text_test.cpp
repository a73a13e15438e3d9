#include <limits>

#include "gdi_fixture.h"

namespace plat {
namespace {

using test::MemoryDc;

TEST(GdiText, DrawTextPaintsInsideItsRectangleAndClipRegionOnly)
{
    MemoryDc m(80, 30);
    SetBkMode(m.dc, TRANSPARENT);
    RECT calc{0, 0, 0, 0};
    int height = DrawText(m.dc, "Hello", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(height, 0);
    EXPECT_GT(calc.width(), 10);
    EXPECT_EQ(m.count(RGB(255, 255, 255)), 80 * 30);  // measuring draws nothing

    SetViewportOrgEx(m.dc, 10, 5, nullptr);
    ExcludeClipRect(m.dc, 0, 0, 8, 30);  // logical; hides the first letters
    RECT r{0, 0, 60, 20};
    EXPECT_EQ(DrawText(m.dc, "Hello", r, DT_SINGLELINE), height);
    int inked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            if (m.at(x, y) != RGB(255, 255, 255)) {
                ++inked;
                EXPECT_TRUE(x >= 18 && x < 70 && y >= 5 && y < 25) << x << "," << y;
            }
    EXPECT_GT(inked, 0);

    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32(m.dc, "Hello", &size));
    EXPECT_EQ(size.width, calc.width());
    TEXTMETRIC tm;
    EXPECT_TRUE(GetTextMetrics(m.dc, &tm));
    EXPECT_EQ(tm.tmHeight, size.height);
}

TEST(GdiText, DrawTextTakesRectanglesAtTheIntLimits)
{
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    const RECT rects[] = {{kMin, kMin, kMax, kMax}, {kMax - 5, kMax - 5, kMax, kMax}, {kMin, kMin, kMin + 5, kMin + 5},
                          {kMax, kMax, kMin, kMin}, {0, 0, kMax, kMax}, {kMin, 0, 0, 20}};
    const UINT formats[] = {DT_SINGLELINE, DT_SINGLELINE | DT_CENTER | DT_VCENTER, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM,
                            DT_WORDBREAK, DT_WORDBREAK | DT_CENTER, DT_END_ELLIPSIS | DT_SINGLELINE,
                            DT_EXPANDTABS | DT_WORDBREAK};
    MemoryDc m(40, 20);
    SetBkMode(m.dc, OPAQUE);
    for (POINT origin : {POINT{0, 0}, POINT{30, 10}, POINT{-30, -10}}) {
        SetViewportOrgEx(m.dc, origin.x, origin.y, nullptr);
        for (const RECT& r : rects)
            for (UINT format : formats) {
                RECT box = r;
                DrawText(m.dc, "Two words\tand\nlines", box, format);
                EXPECT_EQ(box, r) << "drawing leaves the rectangle as it was";
                EXPECT_GE(DrawText(m.dc, "Two words\tand\nlines", box, format | DT_CALCRECT), 0);
                EXPECT_LE(box.left, box.right);
                EXPECT_LE(box.top, box.bottom);
            }
    }
}

}  // namespace
}  // namespace plat
