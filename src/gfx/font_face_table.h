#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gfx {

// The family used when nothing better is installed.
inline constexpr std::string_view kDefaultFamily = "DejaVu Sans";

// The installed families to try, best first, for a classic face name (compared without regard
// to letter case). Empty for a face the table does not know: fontconfig then picks.
std::vector<std::string> familyCandidates(std::string_view face);

}  // namespace gfx
