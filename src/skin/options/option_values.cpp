#include "skin/options/option_values.h"

#include <charconv>

#include "base/letter_case.h"

namespace skin {

std::optional<std::int32_t> parseOptionInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (base == 16) {
        if (value > 0xFFFFFFFFu) return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (negative) {
        if (value > 0x80000000u) return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    if (value > 0x7FFFFFFFu) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool parseOptionBoolean(std::string_view text) { return base::toUpperAscii(text) == "TRUE"; }

std::optional<double> parseOptionReal(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace skin
