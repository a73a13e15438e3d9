#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "gtest/gtest.h"
#include "plat/gdi/icons.h"
#include "plat/gdi/objects.h"
#include "plat/input.h"
#include "plat/services/bitmap_cursors.h"
#include "plat/services/shell_open.h"

namespace plat {
namespace {

TEST(ShellOpen, RequestsReachTheHookAndUnsafeTargetsAreRefused)
{
    std::vector<std::string> seen;
    SetShellOpenHook([&](const std::string& t) {
        seen.push_back(t);
        return true;
    });
    EXPECT_TRUE(ShellOpen("https://example.org/a b?x=1&y='2'"));
    EXPECT_GT(ShellExecute({}, "open", "/tmp/some file.txt"), 32);
    EXPECT_GT(ShellExecute({}, "", "mailto:x@example.org"), 32);
    EXPECT_LE(ShellExecute({}, "print", "/tmp/a.txt"), 32);
    for (const char* bad : {"", "--help", "-x", "a\nb", "tab\there"}) EXPECT_FALSE(ShellOpen(bad)) << bad;
    EXPECT_EQ(seen, (std::vector<std::string>{"https://example.org/a b?x=1&y='2'", "/tmp/some file.txt",
                                              "mailto:x@example.org"}));
    SetShellOpenHook({});
}

// The real opener path: a stand-in xdg-open early on PATH writes down the argument it got,
// which shows the target went through whole, with no shell in between.
TEST(ShellOpen, SpawnsTheOpenerWithTheTargetAsOneArgument)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("sentavia_shell_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path out = dir / "got.txt";
    {
        std::ofstream script(dir / "xdg-open");
        script << "#!/bin/sh\nprintf '%s|%s' \"$1\" \"$#\" > '" << out.string() << ".tmp'\nmv '" << out.string()
               << ".tmp' '" << out.string() << "'\n";
    }
    fs::permissions(dir / "xdg-open", fs::perms::owner_all);
    std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir.string() + ":" + oldPath).c_str(), 1);
    const std::string target = "/tmp/a file; echo $HOME `id` 'q'.txt";
    EXPECT_TRUE(ShellOpen(target));
    for (int i = 0; i < 500 && !fs::exists(out); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    setenv("PATH", oldPath.c_str(), 1);
    std::ifstream in(out);
    std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, target + "|1");
    fs::remove_all(dir);
}

TEST(BitmapCursors, PlanesBecomePixelsWithTheHotSpot)
{
    // 16x2: row 0 AND 0 / XOR 1 (white) on the left half, AND 1 / XOR 0 (transparent) right;
    // row 1 AND 0 / XOR 0 (black) left, AND 1 / XOR 1 (inverted, shown black) right.
    const std::uint8_t andPlane[] = {0x00, 0xFF, 0x00, 0xFF};
    const std::uint8_t xorPlane[] = {0xFF, 0x00, 0x00, 0xFF};
    HCURSOR c = CreateCursor(3, 1, 16, 2, andPlane, xorPlane);
    ASSERT_TRUE(c);
    EXPECT_GT(c.value, 0xFFFFu);
    EXPECT_EQ(StandardCursorId(c), 0);
    const CursorImage* img = CursorImageOf(c);
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(img->hotSpot, (POINT{3, 1}));
    EXPECT_EQ(img->argb[0], 0xFFFFFFFFu);
    EXPECT_EQ(img->argb[8], 0u);
    EXPECT_EQ(img->argb[16], 0xFF000000u);
    EXPECT_EQ(img->argb[24], 0xFF000000u);
    EXPECT_TRUE(DestroyCursor(c));
    EXPECT_EQ(CursorImageOf(c), nullptr);
    EXPECT_FALSE(DestroyCursor(c));
    EXPECT_FALSE(DestroyCursor(LoadCursor(IDC_ARROW)));
    EXPECT_EQ(CursorImageOf(LoadCursor(IDC_ARROW)), nullptr);
}

TEST(BitmapCursors, ColourBitmapAndMask)
{
    HBITMAP colour = CreateBitmap(4, 4, 1, 32, nullptr);
    HBITMAP mask = CreateBitmap(4, 4, 1, 1, nullptr);
    BitmapPixels(colour)->setPixel(1, 2, gfx::rgb(10, 20, 30));
    BitmapPixels(mask)->setPixel(0, 0, gfx::kWhite);  // transparent there
    ICONINFO info;
    info.fIcon = FALSE;
    info.xHotspot = 9;  // beyond the picture: kept inside
    info.yHotspot = 2;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HCURSOR c = CreateCursorIndirect(&info);
    ASSERT_TRUE(c);
    const CursorImage* img = CursorImageOf(c);
    EXPECT_EQ(img->argb[0], 0u);
    EXPECT_EQ(img->argb[2 * 4 + 1], 0xFF0A141Eu);
    EXPECT_EQ(img->hotSpot, (POINT{3, 2}));
    DestroyCursor(c);
    info.hbmMask = {};
    EXPECT_FALSE(CreateCursorIndirect(&info));
    EXPECT_FALSE(CreateCursor(0, 0, 0, 16, nullptr, nullptr));
    EXPECT_FALSE(CreateCursorFromPixels(100000, 1, nullptr, {}));
    DeleteObject(colour);
    DeleteObject(mask);
}

}  // namespace
}  // namespace plat
