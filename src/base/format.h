#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace base {

// Fills a message pattern: each "%s" or "%d" takes the next argument in turn and "%%" gives
// "%". A placeholder without an argument becomes empty; extra arguments are ignored; any
// other "%" sequence is copied as it is.
std::string formatList(std::string_view pattern, std::span<const std::string> args);

// The text an argument stands for in a message.
std::string formatArgument(std::string_view text);
std::string formatArgument(const char* text);  // a null pointer gives ""
std::string formatArgument(char ch);
std::string formatArgument(std::intmax_t value);
std::string formatArgument(std::uintmax_t value);
std::string formatArgument(double value);  // shortest form that reads back the same

// A template so that pointers never silently turn into a truth value.
template <std::same_as<bool> T>
std::string formatArgument(T value) {
    return value ? "True" : "False";
}

template <typename T>
    requires std::signed_integral<T> && (!std::same_as<T, char>) && (!std::same_as<T, bool>)
std::string formatArgument(T value) {
    return formatArgument(static_cast<std::intmax_t>(value));
}

template <typename T>
    requires std::unsigned_integral<T> && (!std::same_as<T, char>) && (!std::same_as<T, bool>)
std::string formatArgument(T value) {
    return formatArgument(static_cast<std::uintmax_t>(value));
}

template <typename... Args>
std::string format(std::string_view pattern, const Args&... args) {
    const std::string texts[] = {formatArgument(args)..., std::string()};
    return formatList(pattern, std::span<const std::string>(texts, sizeof...(Args)));
}

}  // namespace base
