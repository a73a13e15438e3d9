#pragma once

#include <string_view>

namespace base {

// Blank here means space, tab, CR, LF, vertical tab and form feed.
bool isBlank(char ch);

// Views into the argument: the caller keeps the text alive.
std::string_view trimLeft(std::string_view text);
std::string_view trimRight(std::string_view text);
std::string_view trim(std::string_view text);

}  // namespace base
