#include "fw/data/sqlite/cell_column.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/error.h"
#include "fw/data/sqlite/huge_pages.h"

namespace fw::sqlite {
namespace {

int rankOf(CellType type) {
    switch (type) {
    case CellType::Null: return 0;
    case CellType::Integer:
    case CellType::Float: return 1;
    case CellType::Text: return 2;
    case CellType::Blob: return 3;
    }
    return 0;
}

int compareNumbers(const Cell& a, const Cell& b) {
    if (a.type == CellType::Integer && b.type == CellType::Integer)
        return a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
    const double x = a.type == CellType::Integer ? static_cast<double>(a.integer) : a.real;
    const double y = b.type == CellType::Integer ? static_cast<double>(b.integer) : b.real;
    return x < y ? -1 : x > y ? 1 : 0;
}

}  // namespace

int compareCells(const Cell& a, const Cell& b) {
    const int ra = rankOf(a.type), rb = rankOf(b.type);
    if (ra != rb) return ra < rb ? -1 : 1;
    if (ra == 0) return 0;
    if (ra == 1) return compareNumbers(a, b);
    const int c = a.bytes.compare(b.bytes);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void CellColumn::reserve(std::size_t rows, std::size_t bytesPerRow) {
    types_.reserve(rows);
    ends_.reserve(rows + 1);
    bytes_.reserve(std::min<std::size_t>(rows * bytesPerRow, std::numeric_limits<std::uint32_t>::max()));
    adviseHugePages(types_.data(), types_.capacity());
    adviseHugePages(ends_.data(), ends_.capacity() * sizeof ends_[0]);
    adviseHugePages(bytes_.data(), bytes_.capacity());
}

void CellColumn::appendBytes(CellType type, const void* data, std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max() - bytes_.size())
        throw base::Error("The table is too large to be held in memory");
    if (size) bytes_.append(static_cast<const char*>(data), size);
    types_.push_back(type);
    ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    if (type != CellType::Text && type != CellType::Null) ++nonText_;
}

void CellColumn::appendNull() { appendBytes(CellType::Null, nullptr, 0); }
void CellColumn::appendText(std::string_view text) { appendBytes(CellType::Text, text.data(), text.size()); }

void CellColumn::append(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER: {
        const std::int64_t value = sqlite3_column_int64(stmt, column);
        appendBytes(CellType::Integer, &value, sizeof value);
        break;
    }
    case SQLITE_FLOAT: {
        const double value = sqlite3_column_double(stmt, column);
        appendBytes(CellType::Float, &value, sizeof value);
        break;
    }
    case SQLITE_TEXT:
        appendBytes(CellType::Text, sqlite3_column_text(stmt, column),
                    static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        break;
    case SQLITE_BLOB:
        appendBytes(CellType::Blob, sqlite3_column_blob(stmt, column),
                    static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        break;
    default: appendNull(); break;
    }
}

std::size_t CellColumn::rowAt(std::size_t offset) const {
    // The last row starting at or before the offset; empty rows share their start with the next.
    const auto after = std::upper_bound(ends_.begin(), ends_.end(), static_cast<std::uint32_t>(offset));
    return static_cast<std::size_t>(after - ends_.begin()) - 1;
}

Cell CellColumn::cell(std::size_t row) const {
    Cell result;
    result.type = types_[row];
    const std::string_view bytes = bytesOf(row);
    if (result.type == CellType::Integer)
        std::memcpy(&result.integer, bytes.data(), sizeof result.integer);
    else if (result.type == CellType::Float)
        std::memcpy(&result.real, bytes.data(), sizeof result.real);
    else
        result.bytes = bytes;
    return result;
}

}  // namespace fw::sqlite
