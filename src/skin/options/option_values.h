#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace skin {

// Decimal, or hexadecimal after "$" or "0x"; an optional sign before either. Hexadecimal takes
// all 32 bits ("$FFFFFFFF" is -1), decimal must fit a signed 32-bit number. Anything else
// (blanks included) is no number.
std::optional<std::int32_t> parseOptionInteger(std::string_view text);

// "TRUE" in any letter case.
bool parseOptionBoolean(std::string_view text);

// A real number with "." as its decimal point whatever the locale.
std::optional<double> parseOptionReal(std::string_view text);

}  // namespace skin
