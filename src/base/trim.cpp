#include "base/trim.h"

namespace base {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::string_view trimLeft(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    return text.substr(start);
}

std::string_view trimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view trim(std::string_view text) { return trimRight(trimLeft(text)); }

}  // namespace base
