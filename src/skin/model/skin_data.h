#pragma once

#include <string>

#include "gfx/color.h"

namespace skin {

// The values that concern the whole skin (its "GLOBALINFO" section).
struct TsSkinData {
    double Version = 0;
    std::string Author;
    std::string Description;
    gfx::Color Shadow1Color = 0;
    std::int32_t Shadow1Offset = 0;
    std::int32_t Shadow1Blur = -1;
    std::int32_t Shadow1Transparency = 0;
    gfx::Color BorderColor = 0;
    std::int32_t BISpacing = 0;
    std::string SkinPath;  // folder with a trailing "/", the skin directory for archives, empty inside
    bool Active = false;   // false while a skin is being loaded or broadcast
};

}  // namespace skin
