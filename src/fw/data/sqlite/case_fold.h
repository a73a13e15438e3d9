#pragma once

#include <string>
#include <string_view>

namespace fw::sqlite {

// Simple case folding of every code point (ICU's, for every alphabet), so that two texts that
// differ only in letter case fold to the same bytes. Bytes that are not valid UTF-8 are kept.
void appendCaseFolded(std::string& out, std::string_view text);
std::string caseFolded(std::string_view text);

}  // namespace fw::sqlite
