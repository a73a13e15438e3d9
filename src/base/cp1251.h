#pragma once

#include <string>
#include <string_view>

namespace base {

// Windows-1251 (Cyrillic) <-> UTF-8. Byte 0x98, unassigned in the code page, maps to U+0098
// both ways, so every byte string survives a round trip through UTF-8.
char32_t cp1251ToCodePoint(unsigned char byte);
std::string cp1251ToUtf8(std::string_view bytes);

// Code points without a 1251 byte (and invalid UTF-8 sequences) become '?'.
std::string utf8ToCp1251(std::string_view text);

// True when utf8ToCp1251 would lose nothing.
bool fitsCp1251(std::string_view text);

}  // namespace base
