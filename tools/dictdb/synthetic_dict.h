#pragma once

#include <cstddef>
#include <string>

namespace dictdb {

// The fragment that about 0.05 % of the synthetic names contain (one in 2000), for measuring
// a search the way a user's search finds a few entries among many.
inline constexpr const char* kRareFragment = "qxz";
inline constexpr std::size_t kRareEvery = 2000;

// Writes `count` entries with names of about 20 characters (Latin and Cyrillic words) and
// descriptions of about 500 characters. The same count always gives the same file.
void writeSyntheticDict(const std::string& path, std::size_t count, bool indexNames = true);

}  // namespace dictdb
