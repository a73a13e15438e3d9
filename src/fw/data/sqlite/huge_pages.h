#pragma once

#include <cstddef>

namespace fw::sqlite {

// Asks the kernel to back a large, freshly reserved block with huge pages: filling the image of a
// big table then takes a few hundred page faults instead of tens of thousands. A hint only.
void adviseHugePages(const void* data, std::size_t bytes);

}  // namespace fw::sqlite
