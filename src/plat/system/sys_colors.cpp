#include "plat/system/sys_colors.h"

#include <array>

#include "plat/state/run_state.h"

namespace plat {

namespace {

constexpr std::array<COLORREF, kSysColorCount> kStandardScheme = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // background
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // app workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(212, 208, 200),  // 3-D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(181, 181, 181),  // (unused slot)
    RGB(0, 0, 128),      // hot light
    RGB(166, 202, 240),  // gradient active caption
    RGB(192, 192, 192),  // gradient inactive caption
    RGB(10, 36, 106),    // menu highlight
    RGB(212, 208, 200),  // menu bar
};

struct Scheme {
    std::array<COLORREF, kSysColorCount> colors = kStandardScheme;
};

std::array<COLORREF, kSysColorCount>& table() { return RunPart<Scheme>().colors; }

}  // namespace

COLORREF GetSysColor(int index)
{
    if (index < 0 || index >= kSysColorCount) return 0;
    return table()[std::size_t(index)];
}

BOOL SetSysColors(int count, const int* indices, const COLORREF* colors)
{
    if (count < 0 || (count > 0 && (!indices || !colors))) return 0;
    for (int i = 0; i < count; ++i)
        if (indices[i] < 0 || indices[i] >= kSysColorCount) return 0;
    for (int i = 0; i < count; ++i) table()[std::size_t(indices[i])] = colors[i] & 0xFFFFFF;
    return 1;
}

void ResetSysColors() { table() = kStandardScheme; }

COLORREF ColorToRGB(std::uint32_t color)
{
    if (color & kSystemColorFlag) return GetSysColor(int(color & 0xFF));
    return color & 0xFFFFFF;
}

}  // namespace plat
