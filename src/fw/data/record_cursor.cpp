#include "fw/data/record_cursor.h"

#include "base/error.h"

namespace fw {

void RecordCursor::updateRow(std::size_t, const std::vector<std::optional<OwnedValue>>&) {
    throw base::Error("This result cannot be changed");
}

std::size_t RecordCursor::insertRow(std::size_t, const std::vector<std::optional<OwnedValue>>&) {
    throw base::Error("This result cannot be changed");
}

}  // namespace fw
