#include "fw/data/sqlite/quote_name.h"

namespace fw::sqlite {

std::string quoteName(std::string_view name) {
    std::string out = "\"";
    for (char ch : name) {
        out.push_back(ch);
        if (ch == '"') out.push_back('"');
    }
    out.push_back('"');
    return out;
}

}  // namespace fw::sqlite
