#include "base/format.h"

#include <charconv>
#include <system_error>

namespace base {

std::string formatList(std::string_view pattern, std::span<const std::string> args) {
    std::string out;
    out.reserve(pattern.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char ch = pattern[i];
        const char following = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (ch != '%' || (following != 's' && following != 'd' && following != '%')) {
            out.push_back(ch);
            continue;
        }
        ++i;
        if (following == '%')
            out.push_back('%');
        else if (next < args.size())
            out.append(args[next++]);
    }
    return out;
}

std::string formatArgument(std::string_view text) { return std::string(text); }
std::string formatArgument(char ch) { return std::string(1, ch); }
std::string formatArgument(const char* text) { return text ? std::string(text) : std::string(); }
std::string formatArgument(std::intmax_t value) { return std::to_string(value); }
std::string formatArgument(std::uintmax_t value) { return std::to_string(value); }

std::string formatArgument(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc()) return "?";
    return std::string(buffer, result.ptr);
}

}  // namespace base
