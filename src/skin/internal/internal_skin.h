#pragma once

#include <cstdint>
#include <span>

namespace skin {

// The skin that travels inside the program, as a packed archive made at build time.
inline constexpr const char* kInternalSkinName = "Beijing (internal)";
std::span<const std::uint8_t> internalSkinArchive();

}  // namespace skin
