#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/data/sqlite/cell_column.h"
#include "fw/data/sqlite/column_info.h"
#include "fw/data/sqlite/statement.h"
#include "fw/data/sqlite/table_image.h"

namespace fw::sqlite {

class Database;

// The rows of a query as they were when it ran: the count and every position are known, and
// moving costs nothing. Rows of a table are listed from the table's image and their long values
// fetched when asked for; the rows of any other statement are held whole.
class Snapshot {
public:
    // Rows of a table, by their indexes in its image.
    Snapshot(std::shared_ptr<Database> db, std::shared_ptr<TableImage> image, std::shared_ptr<const RowList> rows);
    // Rows held whole.
    Snapshot(std::shared_ptr<Database> db, std::vector<ColumnInfo> columns, std::vector<CellColumn> cells);

    std::size_t rowCount() const;
    const std::vector<ColumnInfo>& columns() const { return columns_; }

    // A long value is fetched from the file; its bytes stay valid until that column's next fetch.
    // A row that another program has deleted since reads as null.
    Cell value(std::size_t position, std::size_t column);

    // A key of the row that outlives deletes of other rows and grows with the position.
    std::uint64_t keyOf(std::size_t position) const;
    std::optional<std::size_t> positionOf(std::uint64_t key) const;

    // Whether a row can be deleted: rows of a table, in a file we may write.
    bool canDelete() const;
    // Removes the row from the file (committed when this returns) and then from the snapshot.
    // A refusal of the engine raises its message and changes nothing.
    void deleteRow(std::size_t position);

private:
    struct LongFetch {
        std::optional<Statement> statement;
        std::int64_t rowid = 0;
        bool fetched = false;
        CellType type = CellType::Null;
        std::string bytes;
    };
    const RowList& rows() const { return *rows_; }

    std::shared_ptr<Database> db_;
    std::vector<ColumnInfo> columns_;
    // Rows of a table:
    std::shared_ptr<TableImage> image_;
    std::shared_ptr<const RowList> rows_;
    std::vector<LongFetch> longFetches_;
    // Rows held whole:
    std::vector<CellColumn> cells_;
    std::size_t heldRows_ = 0;
    // Keys after the first delete; before it the key is the position.
    std::vector<std::uint32_t> keys_;
};

// Runs `sql` and takes its snapshot. The statements of the reference book are answered from
// the table's image; any other is run by the engine. Failures raise the engine's message.
std::unique_ptr<Snapshot> openSnapshot(const std::shared_ptr<Database>& db, std::string_view sql);

}  // namespace fw::sqlite
