#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/error.h"
#include "fw/data/sqlite/cell_column.h"
#include "fw/data/sqlite/column_info.h"

namespace fw {

using sqlite::Cell;
using sqlite::CellType;
using sqlite::ColumnInfo;
using sqlite::ColumnKind;

// A value that owns its bytes, as an edited record holds it.
struct OwnedValue {
    CellType type = CellType::Null;
    std::string bytes;
    std::int64_t integer = 0;
    double real = 0;

    Cell view() const { return Cell{type, bytes, integer, real}; }
    static OwnedValue of(const Cell& cell) { return {cell.type, std::string(cell.bytes), cell.integer, cell.real}; }
};

// The result a data set moves through: a known count of records at known positions. A key
// names a record for as long as the result lives, and keys grow with the position.
class RecordCursor {
public:
    virtual ~RecordCursor() = default;

    virtual std::size_t rowCount() const = 0;
    virtual const std::vector<ColumnInfo>& columns() const = 0;
    // The bytes of a long value stay valid until that column's next value.
    virtual Cell value(std::size_t position, std::size_t column) = 0;

    virtual std::uint64_t keyOf(std::size_t position) const = 0;
    virtual std::optional<std::size_t> positionOf(std::uint64_t key) const = 0;

    virtual bool canDelete() const = 0;
    // Each change is in the file when the call returns; a refusal raises and changes nothing.
    virtual void deleteRow(std::size_t position) = 0;
    virtual bool canWrite() const { return false; }
    // Writes the values (one per column; none: unchanged) of the record at `position`.
    virtual void updateRow(std::size_t, const std::vector<std::optional<OwnedValue>>&) {
        throw base::Error("This result cannot be changed");
    }
    // Adds a record at `position` (rowCount(): at the end); returns where it now stands.
    virtual std::size_t insertRow(std::size_t, const std::vector<std::optional<OwnedValue>>&) {
        throw base::Error("This result cannot be changed");
    }
};

}  // namespace fw
