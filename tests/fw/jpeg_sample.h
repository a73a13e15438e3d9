#pragma once

#include <cstdint>
#include <vector>

namespace fw::test {

// A JPEG file of one colour, at the best quality.
std::vector<std::uint8_t> SolidJpeg(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace fw::test
