#include "fw/data/sqlite/huge_pages.h"

#include <sys/mman.h>

#include <cstdint>

namespace fw::sqlite {

void adviseHugePages(const void* data, std::size_t bytes) {
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    if (bytes < 2 * kHugePage) return;
    const auto start = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHugePage - 1);
    if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace fw::sqlite
