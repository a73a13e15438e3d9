#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/error.h"
#include "gfx/bmp_file.h"
#include "skin/model/skin_loader.h"

namespace {

// Every file name finds the same small bitmap, so that file entries and rectangles are exercised.
class OneImage : public skin::SkinImageSource {
public:
    OneImage() : bytes_(gfx::writeBmp(gfx::Bitmap(64, 32))) {}
    std::optional<skin::ImageBytes> read(std::string_view name) const override
    {
        if (name.find('?') != std::string_view::npos) return std::nullopt;
        skin::ImageBytes out;
        out.shared = bytes_;
        return out;
    }
    std::string describe(std::string_view name) const override { return std::string(name); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const OneImage images;
    const skin::OptionsText options =
        skin::OptionsText::parseBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    skin::SkinSources src{&options, &images, &options, &images};
    std::vector<skin::SkinProblem> problems;
    try {
        const skin::LoadedSkin s = skin::loadSkin(src, "fuzz", nullptr, &problems);
        // Every lookup a painter makes, over every section and mask.
        for (std::size_t i = 0; i < s.gd.size(); ++i) {
            const int m = s.GetMaskIndex(int(i), s.gd[i].SectionName, "BORDERSMASK");
            if (m >= 0) {
                volatile int w = s.MaskWidthLeft(m) + s.MaskWidthBottom(m) + s.GetMaskFrameSize(m).width;
                (void)w;
            }
        }
        for (const auto& m : s.ma)
            if (!m.hasOwnImage() && !s.MasterBitmap.rect().contains(m.SourceRect)) __builtin_trap();
    } catch (const base::Error&) {
    }
    return 0;
}
