#include "fw/system/ini_line.h"

#include "base/trim.h"

namespace fw {

TIniLine ClassifyIniLine(std::string_view line)
{
    TIniLine result;
    std::string_view text = base::trim(line);
    if (text.empty() || text.front() == ';') return result;
    if (text.front() == '[') {
        std::size_t close = text.find(']');
        if (close == std::string_view::npos) return result;
        result.kind = TIniLine::Section;
        result.name = base::trim(text.substr(1, close - 1));
        return result;
    }
    std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return result;
    result.kind = TIniLine::Key;
    result.name = base::trim(text.substr(0, eq));
    std::string_view value = base::trim(text.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    result.value = value;
    return result;
}

}  // namespace fw
