#pragma once

#include <string>
#include <string_view>

namespace fw::sqlite {

// A name quoted for a statement: "name", with any inner " doubled.
std::string quoteName(std::string_view name);

}  // namespace fw::sqlite
