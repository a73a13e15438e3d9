#pragma once

#include <cstdint>
#include <vector>

// A plain grey JPEG of this size, for tests that need one.
std::vector<std::uint8_t> jpegOf(int w, int h);
