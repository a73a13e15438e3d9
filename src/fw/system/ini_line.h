#pragma once

#include <string_view>

namespace fw {

// One line of an initialisation file as the profile functions see it. Names and values are
// views into the line, blanks trimmed; a value enclosed in a pair of matching quotes loses them.
struct TIniLine {
    enum Kind { Other, Section, Key };
    Kind kind = Other;
    std::string_view name;
    std::string_view value;
};

// "[name]" is a section; "name=value" a key (the value is what follows the first "="); blank
// lines, lines starting with ";" and anything else are other lines, kept but never matched.
TIniLine ClassifyIniLine(std::string_view line);

}  // namespace fw
