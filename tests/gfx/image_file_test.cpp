#include "gfx/image_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include "base/error.h"
#include "gfx/bmp_file.h"
#include "gfx/png_file.h"

namespace gfx {
namespace {

std::string scratch(const std::string& name)
{
    const auto folder = std::filesystem::path(SENTAVIA_TEST_OUT) / "gfx" / "image_file";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

Bitmap picture()
{
    Bitmap b(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            b.setPixel24(x, y, rgb(std::uint8_t(40 * x), std::uint8_t(60 * y), 99));
    return b;
}

void expectErrorMentions(const std::function<void()>& f, const std::vector<std::string>& fragments)
{
    try {
        f();
        ADD_FAILURE() << "no error";
    } catch (const base::Error& e) {
        for (const std::string& s : fragments)
            EXPECT_NE(std::string(e.what()).find(s), std::string::npos) << e.what();
    }
}

TEST(ImageFile, DecodeSniffsTheFormat)
{
    const Bitmap b = picture();
    EXPECT_EQ(decodeImage(writeBmp(b)), b);
    EXPECT_EQ(decodeImage(writePng(b)), b);
    const std::uint8_t soiOnly[] = {0xFF, 0xD8, 0xFF, 0xE0};
    expectErrorMentions([&] { decodeImage(soiOnly); }, {"JPEG"});
    const std::uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a'};
    expectErrorMentions([&] { decodeImage(gif); }, {"Unknown image format"});
    expectErrorMentions([&] { decodeImage({}); }, {"Unknown image format"});
}

TEST(ImageFile, SavesAndLoadsBothFormats)
{
    const Bitmap b = picture();
    const std::string png = scratch("round.png"), bmp = scratch("round.bmp");
    savePng(b, png);
    saveBmp(b, bmp);
    EXPECT_EQ(loadImageFile(png), b);
    EXPECT_EQ(loadImageFile(bmp), b);
}

TEST(ImageFile, ErrorsNameTheFile)
{
    const std::string missing = scratch("missing.png");
    std::filesystem::remove(missing);
    expectErrorMentions([&] { loadImageFile(missing); }, {missing});

    const std::string damaged = scratch("damaged.bmp");
    std::ofstream(damaged, std::ios::binary) << "BM garbage";
    expectErrorMentions([&] { loadImageFile(damaged); }, {damaged, "BMP"});

    const std::string empty = scratch("empty.png");
    expectErrorMentions([&] { savePng(Bitmap(), empty); }, {empty});
    expectErrorMentions([&] { saveBmp(Bitmap(), empty); }, {empty});
    expectErrorMentions([&] { savePng(picture(), scratch("no/such/folder.png")); }, {"folder.png"});
}

}  // namespace
}  // namespace gfx
