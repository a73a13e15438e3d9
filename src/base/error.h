#pragma once

#include <stdexcept>
#include <string>

namespace base {

// Every failure in Sentavia travels as this exception; its text is what the user is shown.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
    const char* message() const noexcept { return what(); }
};

}  // namespace base
