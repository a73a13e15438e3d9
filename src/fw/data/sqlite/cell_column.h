#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace fw::sqlite {

// The engine's storage classes of one value.
enum class CellType : std::uint8_t { Null, Integer, Float, Text, Blob };

// One value as stored: text and blobs by their bytes, numbers by value.
struct Cell {
    CellType type = CellType::Null;
    std::string_view bytes;  // text or blob
    std::int64_t integer = 0;
    double real = 0;
};

// The engine's order of values (nulls, then numbers, then text by bytes, then blobs): <0, 0, >0.
int compareCells(const Cell& a, const Cell& b);

// The values of one column, packed: a type byte per row and the bytes of all rows in one run.
class CellColumn {
public:
    void reserve(std::size_t rows, std::size_t bytesPerRow);
    void append(sqlite3_stmt* stmt, int column);  // the statement's current row
    void appendText(std::string_view text);       // for images made without a statement
    void appendNull();

    std::size_t size() const { return types_.size(); }
    Cell cell(std::size_t row) const;
    bool isNull(std::size_t row) const { return types_[row] == CellType::Null; }
    std::string_view bytesOf(std::size_t row) const {
        return std::string_view(bytes_).substr(ends_[row], ends_[row + 1] - ends_[row]);
    }
    std::size_t byteCount() const { return bytes_.size(); }
    // The bytes of all rows back to back, and the row whose bytes hold `offset`.
    std::string_view allBytes() const { return bytes_; }
    std::size_t rowAt(std::size_t offset) const;
    std::size_t rowEnd(std::size_t row) const { return ends_[row + 1]; }
    bool allTextOrNull() const { return nonText_ == 0; }

private:
    void appendBytes(CellType type, const void* data, std::size_t size);

    std::vector<CellType> types_;
    std::vector<std::uint32_t> ends_{0};  // row r occupies [ends_[r], ends_[r + 1])
    std::string bytes_;
    std::size_t nonText_ = 0;
};

}  // namespace fw::sqlite
