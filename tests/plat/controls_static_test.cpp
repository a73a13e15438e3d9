#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/controls_registry.h"
#include "plat/controls/static_styles.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/system/sys_colors.h"
#include "plat/windowing.h"

namespace plat {
namespace {

class StaticDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPlainFrame();
        RegisterStandardControls();
        WNDCLASSEX wc;
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "StaticTestParent";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
        RegisterClassEx(wc);
        parent = CreateWindowEx(0, "StaticTestParent", "Statics", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, {});
        desk.run();
    }
    // The columns of a static's shot holding dark (text) pixels: first and last.
    std::pair<int, int> inkColumns(HWND s)
    {
        gfx::Bitmap shot = desk.windowShot(parent);
        RECT r = WindowRect(s);
        RECT p = WindowRect(parent);
        int first = -1, last = -1;
        for (int x = r.left; x < r.right; ++x)
            for (int y = r.top; y < r.bottom; ++y) {
                gfx::Color c = shot.pixel(x - p.left, y - p.top);
                if (gfx::red(c) < 100 && gfx::green(c) < 100 && gfx::blue(c) < 100) {
                    if (first < 0) first = x - r.left;
                    last = x - r.left;
                    break;
                }
            }
        return {first, last};
    }
    HeadlessDesktop desk;
    HWND parent;
};

TEST_F(StaticDesktop, TextAlignments)
{
    struct Case {
        DWORD style;
        const char* name;
    } cases[] = {{SS_LEFT, "left"}, {SS_CENTER, "centre"}, {SS_RIGHT, "right"}};
    int y = 10;
    for (const Case& c : cases) {
        HWND s = CreateWindowEx(0, "Static", "Label", WS_CHILD | WS_VISIBLE | c.style, 10, y, 200, 16, parent, {});
        desk.run();
        auto [first, last] = inkColumns(s);
        ASSERT_GE(first, 0) << c.name;
        int width = last - first + 1;
        int expectedLeft = c.style == SS_LEFT ? 0 : c.style == SS_CENTER ? (200 - width) / 2 : 200 - width;
        EXPECT_NEAR(first, expectedLeft, 3) << c.name;
        y += 20;
    }
}

TEST_F(StaticDesktop, PrefixesAndClicks)
{
    HWND plain = CreateWindowEx(0, "Static", "&File", WS_CHILD | WS_VISIBLE, 10, 10, 100, 16, parent, {});
    HWND raw = CreateWindowEx(0, "Static", "&File", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 10, 30, 100, 16, parent, {});
    desk.run();
    // Without the prefix the ampersand is drawn, so the text reaches further.
    EXPECT_GT(inkColumns(raw).second, inkColumns(plain).second);
    // Statics without SS_NOTIFY are transparent to the mouse.
    RECT r = WindowRect(plain);
    EXPECT_EQ(WindowFromPoint({r.left + 2, r.top + 2}), parent);
    SetWindowLongPtr(plain, GWL_STYLE, LONG_PTR(GetWindowStyle(plain) | SS_NOTIFY));
    EXPECT_EQ(WindowFromPoint({r.left + 2, r.top + 2}), plain);
}

}  // namespace
}  // namespace plat
