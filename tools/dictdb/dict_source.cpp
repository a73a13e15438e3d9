#include "dict_source.h"

#include "base/error.h"
#include "base/format.h"
#include "base/text_file.h"
#include "base/trim.h"

namespace dictdb {
namespace {

void finishEntry(std::vector<SourceEntry>& entries, std::vector<std::string>& lines) {
    while (!lines.empty() && base::trim(lines.back()).empty()) lines.pop_back();
    std::size_t first = 0;
    while (first < lines.size() && base::trim(lines[first]).empty()) ++first;
    std::string descr;
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (i > first) descr += "\r\n";
        descr += lines[i];
    }
    entries.back().descr = std::move(descr);
    lines.clear();
}

}  // namespace

std::vector<SourceEntry> parseDictSource(std::string_view text, const std::string& fileName) {
    std::vector<SourceEntry> entries;
    std::vector<std::string> lines;
    int number = 0;
    for (const std::string& line : base::splitLines(text)) {
        ++number;
        if (line.starts_with("= ") || line == "=") {
            if (!entries.empty()) finishEntry(entries, lines);
            std::string name(base::trim(std::string_view(line).substr(1)));
            if (name.empty()) throw base::Error(base::format("%s:%d: an entry without a name", fileName, number));
            entries.push_back({std::move(name), {}});
        } else if (entries.empty()) {
            if (!base::trim(line).empty() && !line.starts_with("#"))
                throw base::Error(base::format("%s:%d: text before the first entry", fileName, number));
        } else {
            lines.push_back(line);
        }
    }
    if (!entries.empty()) finishEntry(entries, lines);
    return entries;
}

std::vector<SourceEntry> readDictSource(const std::string& path) {
    return parseDictSource(base::readTextFile(path).text, path);
}

}  // namespace dictdb
