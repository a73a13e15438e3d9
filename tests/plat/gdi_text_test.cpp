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

}  // namespace
}  // namespace plat
