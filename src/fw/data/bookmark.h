#pragma once

#include <cstdint>

namespace fw {

// A record's mark in one open result. It stays good while that record is in the result (deletes
// of other records do not spoil it) and is spoilt by closing the data set.
struct TBookmark {
    std::uint64_t result = 0;  // which opening of the data set; 0: no bookmark
    std::uint64_t key = 0;

    bool Empty() const { return result == 0; }
    bool operator==(const TBookmark&) const = default;
};

}  // namespace fw
