#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dictdb {

struct SourceEntry {
    std::string name;
    std::string descr;
};

// Reads the text source of the reference book (the format is described in quillex_build.cpp).
// Raises base::Error naming the file and line for a text before the first entry or an entry
// without a name.
std::vector<SourceEntry> parseDictSource(std::string_view text, const std::string& fileName);
std::vector<SourceEntry> readDictSource(const std::string& path);

}  // namespace dictdb
