#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fw/data/sqlite/cell_column.h"
#include "fw/data/sqlite/column_info.h"

struct sqlite3;

namespace fw::sqlite {

// Row indexes into an image, in the order of some result.
using RowList = std::vector<std::uint32_t>;

// The short values of a table's rows, held in memory so that listing, ordering and searching
// need no scan of the file: the rowid and every column that is not long. Long values stay in
// the file and are fetched by rowid. Orders and case-folded texts are made when first asked
// for and kept. A row deleted through the image stays in its arrays, marked dead.
class TableImage {
public:
    // Reads the table; with `orderColumn` (a short column with an index on it) the rows are read
    // in that column's order, which then costs no sort.
    TableImage(sqlite3* db, std::string table, std::vector<ColumnInfo> columns,
               std::optional<std::size_t> orderColumn, std::uint64_t dataVersion);

    const std::string& table() const { return table_; }
    const std::vector<ColumnInfo>& columns() const { return columns_; }
    // Position among the short columns, or kLongColumn, or kRowidColumn for the column that is
    // the rowid under another name (an INTEGER PRIMARY KEY), which is not held twice.
    static constexpr int kLongColumn = -1;
    static constexpr int kRowidColumn = -2;
    int shortIndex(std::size_t column) const { return shortIndex_[column]; }
    std::size_t size() const { return rowids_.size(); }
    std::int64_t rowid(std::uint32_t row) const { return rowids_[row]; }
    bool alive(std::uint32_t row) const { return !dead_[row]; }
    const CellColumn& shortColumn(std::size_t shortIdx) const { return cells_[shortIdx]; }
    std::uint64_t dataVersion() const { return dataVersion_; }

    // Every live row in rowid order (the engine's order of an unordered scan), or by a column.
    std::shared_ptr<const RowList> rowidOrder();
    std::shared_ptr<const RowList> columnOrder(std::size_t shortIdx, bool descending);
    // Puts `rows` into rowid or column order.
    void sortByRowid(RowList& rows) const;
    void sortByColumn(RowList& rows, std::size_t shortIdx, bool descending) const;

    // The case-folded texts of a short column (made once).
    const CellColumn& folded(std::size_t shortIdx);

    void markDeleted(std::uint32_t row);

private:
    std::string table_;
    std::vector<ColumnInfo> columns_;
    std::vector<int> shortIndex_;
    std::vector<std::int64_t> rowids_;
    std::vector<CellColumn> cells_;
    std::vector<bool> dead_;
    std::uint64_t dataVersion_ = 0;

    std::shared_ptr<const RowList> rowidOrder_;
    struct Order {
        std::size_t shortIdx;
        bool descending;
        std::shared_ptr<const RowList> rows;
    };
    std::vector<Order> orders_;
    std::vector<std::unique_ptr<CellColumn>> folded_;
};

}  // namespace fw::sqlite
