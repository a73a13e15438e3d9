#pragma once

#include <cstddef>
#include <string_view>

namespace gfx {

constexpr char32_t kReplacementChar = 0xFFFD;

// Reads the code point at `pos` and moves `pos` past it. A malformed or truncated sequence,
// an overlong form or a surrogate reads as U+FFFD and consumes one byte, so any input makes
// progress. `pos` must be less than text.size().
char32_t decodeUtf8(std::string_view text, std::size_t& pos);

}  // namespace gfx
