#pragma once

#include <cstdint>

namespace plat {

// The integer types of the window system's calls, sized as on a 64-bit desktop.
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using BOOL = int;

constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr std::int16_t GET_X_LPARAM(LPARAM v) { return std::int16_t(v & 0xFFFF); }
constexpr std::int16_t GET_Y_LPARAM(LPARAM v) { return std::int16_t((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) { return LPARAM(std::uint32_t((lo & 0xFFFF) | ((hi & 0xFFFF) << 16))); }
constexpr WPARAM MAKEWPARAM(int lo, int hi) { return WPARAM(std::uint32_t((lo & 0xFFFF) | ((hi & 0xFFFF) << 16))); }

}  // namespace plat
