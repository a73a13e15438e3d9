#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"

namespace skin {

class TsSkinManager;

enum class TacImgType : std::uint8_t { itisaBorder, itisaTexture, itisaGlyph };

// One image entry of a skin: a rectangle of the master bitmap or an image file of its own.
struct TsMaskData {
    // The entry's own picture, or null when it cuts its rectangle out of the master bitmap.
    // Entries that name one file share it: replace it rather than change its pixels.
    std::shared_ptr<const gfx::Bitmap> Image;
    std::string SectionName;
    std::string PropertyName;
    gfx::Rect SourceRect;          // in the master bitmap, or Image's whole rectangle
    std::int16_t ImageCount = 1;   // state frames side by side, never below 1
    std::int16_t MaskType = 0;     // 1: a mask half below the picture half
    std::int16_t BorderWidth = 0;  // for all sides when WL..WB are all 0
    std::int16_t StretchMode = 0;
    TacImgType ImgType = TacImgType::itisaBorder;
    TsSkinManager* Owner = nullptr;
    std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;

    bool hasOwnImage() const { return Image && !Image->empty(); }
};
using TsMaskArray = std::vector<TsMaskData>;

// A large JPEG texture, kept as it is.
struct TsPatternData {
    gfx::Bitmap Image;
    std::string SectionName;   // upper case
    std::string PropertyName;  // upper case
};
using TsPatternArray = std::vector<TsPatternData>;

}  // namespace skin
