#pragma once

#include <cstdint>

namespace gfx {

// A colour as 0x00BBGGRR: red in the low byte, as the skins and the drawing interface store it.
using Color = std::uint32_t;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Color(r) | (Color(g) << 8) | (Color(b) << 16);
}
constexpr std::uint8_t red(Color c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t green(Color c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t blue(Color c) { return std::uint8_t((c >> 16) & 0xFF); }

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
// Pixels of exactly this colour are transparent in skin images.
constexpr Color kKeyColor = 0xFF00FF;

}  // namespace gfx
