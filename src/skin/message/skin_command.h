#pragma once

#include <cstdint>

#include "plat/types.h"

namespace skin {

// The one private message through which the skin manager, providers, adapters and skinned
// controls talk. WParam carries the sub-command in its high word and a small argument in its
// low word; LParam depends on the sub-command (often the sending manager).
constexpr plat::UINT SM_SKINCMD = 0xA100;

enum SkinCommand : std::uint16_t {
    SKC_NEWSKIN = 1,
    SKC_REMOVESKIN = 2,
    SKC_REFRESH = 3,
    SKC_GETPROVIDER = 4,
    SKC_GETCACHE = 5,
    SKC_PARENTPAINTED = 6,
    SKC_ISSKINNED = 7,
    SKC_SETUPDATING = 8,
    SKC_SETFROZEN = 9,
    SKC_ISSTALE = 10,
    SKC_ISHALFVISIBLE = 11,
    SKC_INVALIDATESEETHROUGH = 12,
    SKC_INVALIDATESECTION = 13,
    SKC_MENUFRAME = 14,
    SKC_SETPAINTEDCHILD = 15,
    SKC_STOPFADE = 16,
    SKC_INVALIDATE = 17,
    SKC_ISMULTICOLOUR = 19,
    SKC_REPAINTSEETHROUGH = 20,
    SKC_GETBGCOLOUR = 21,
    SKC_SETHALFVISIBLE = 22,
    SKC_PREPARECACHE = 23,
    SKC_FADEFRAME = 24,
    SKC_CONTROLCREATED = 25,
    SKC_GETSKININDEX = 26,
    SKC_GETCAPTIONHEIGHT = 27,
    SKC_MOUSEENTER = 29,
    SKC_MOUSELEAVE = 30,
    SKC_BEGINUPDATE = 31,
    SKC_ENDUPDATE = 32,
    SKC_BEFORESCROLL = 51,
    SKC_AFTERSCROLL = 52,
};

constexpr plat::WPARAM SkinCommandWParam(SkinCommand code, std::uint16_t argument = 0)
{
    return (plat::WPARAM(code) << 16) | argument;
}
constexpr std::uint16_t SkinCommandCode(plat::WPARAM wParam) { return std::uint16_t((wParam >> 16) & 0xFFFF); }
constexpr std::uint16_t SkinCommandArgument(plat::WPARAM wParam) { return std::uint16_t(wParam & 0xFFFF); }

}  // namespace skin
