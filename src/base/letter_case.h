#pragma once

#include <string>
#include <string_view>

namespace base {

// Upper case of one code point for the alphabets our texts use: ASCII, Latin-1 letters and
// Cyrillic (including Ё/ё, Ґ/ґ and the other Windows-1251 letters). Other code points are unchanged.
char32_t toUpperCodePoint(char32_t codePoint);

// Upper-cases a-z only; every other byte is kept (section and key names).
std::string toUpperAscii(std::string_view text);

// Upper-cases with toUpperCodePoint; invalid UTF-8 bytes are kept as they are.
std::string toUpper(std::string_view text);

// Compare as if both sides went through toUpper. compareIgnoreCase returns <0, 0 or >0
// by code point order.
bool equalsIgnoreCase(std::string_view a, std::string_view b);
int compareIgnoreCase(std::string_view a, std::string_view b);

}  // namespace base
