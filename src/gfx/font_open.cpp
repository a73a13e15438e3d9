#include <mutex>
#include <utility>
#include <vector>

#include "gfx/font.h"
#include "gfx/font_freetype.h"
#include "gfx/font_match.h"

namespace gfx {

std::shared_ptr<Font> Font::open(const FontDesc& desc)
{
    // Programs use a handful of fonts: a short list searched in order is enough, and fonts
    // stay for the life of the process.
    static std::mutex mutex;
    static std::vector<std::pair<FontDesc, std::shared_ptr<Font>>> fonts;
    std::lock_guard lock(mutex);
    for (const auto& [d, font] : fonts)
        if (d == desc) return font;
    const FontFile file = matchFontFile(desc.face, desc.weight, desc.italic);
    auto font = std::make_shared<FreeTypeFont>(desc, file);
    fonts.emplace_back(desc, font);
    return font;
}

}  // namespace gfx
