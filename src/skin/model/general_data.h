#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/color.h"

namespace skin {

enum class TsControlBevel : std::uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

// One band of a section's background gradient.
struct TsGradientStep {
    gfx::Color Color1 = 0;
    gfx::Color Color2 = 0;
    std::int32_t Percent = 0;  // share of the length, 0..100
    std::int32_t Mode = 0;     // 0 vertical bands, 1 horizontal bands, 2 five-point mesh
    std::int32_t Reserved = 0;
};
using TsGradArray = std::vector<TsGradientStep>;

// Text colour, then the left, top, right and bottom contour colours (-1 for none).
using TsFontColors = std::array<std::int32_t, 5>;

// The general values of one skin section.
struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;  // as written in the file
    gfx::Color Color = 0xFFFFFF;
    TsControlBevel Bevel = TsControlBevel::cbNone;
    TsFontColors FontColor = {0, -1, -1, -1, -1};
    TsFontColors HotFontColor = {0, -1, -1, -1, -1};
    bool ReservedBoolean = false;
    std::int32_t ShadowBlur = 6;
    gfx::Color ShadowColor = 0;
    bool ShadowEnabled = false;
    std::int32_t ShadowOffset = 3;
    std::int32_t ShadowTransparency = 50;
    std::int32_t Transparency = 0;
    std::int32_t GradientPercent = 0;
    std::string GradientData = " ";
    TsGradArray GradientArray;
    std::int32_t ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    std::int32_t FadingIntervalIn = 5;
    std::int32_t FadingIntervalOut = 5;
    std::int32_t FadingIterations = 5;
    gfx::Color HotColor = 0xFFFFFF;
    std::int32_t HotTransparency = 0;
    TsControlBevel HotBevel = TsControlBevel::cbNone;
    std::int32_t HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradientArray;
    std::int32_t HotImagePercent = 0;
    gfx::Color BorderColor1 = 0;
    gfx::Color BorderColor2 = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// Gradient text: groups of five numbers separated by ";" (colour, colour, percent, mode,
// unused); a remainder is ignored, a single blank or a text that is not all numbers gives none.
TsGradArray parseGradientData(std::string_view text);

}  // namespace skin
