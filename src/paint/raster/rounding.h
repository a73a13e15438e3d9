#pragma once

namespace paint {

// Rounds to the nearest integer, ties to even, for |v| < 2^51 in the default rounding mode.
// Written as arithmetic rather than a library call so that loops using it vectorise.
inline double roundEven(double v)
{
    constexpr double kShift = 6755399441055744.0;  // 1.5 * 2^52
    return (v + kShift) - kShift;
}

inline int clampByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

}  // namespace paint
