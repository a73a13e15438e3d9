#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unordered_map>

#include "fw/data/record_cursor.h"
#include "fw/data/sqlite/cell_column.h"
#include "fw/data/sqlite/column_info.h"
#include "fw/data/sqlite/statement.h"
#include "fw/data/sqlite/table_image.h"

namespace fw::sqlite {

class Database;

// The rows of a query as they were when it ran: the count and every position are known, and
// moving costs nothing. Rows of a table are listed from the table's image and their long values
// fetched when asked for; the rows of any other statement are held whole.
class Snapshot : public RecordCursor {
public:
    // Rows of a table, by their indexes in its image.
    Snapshot(std::shared_ptr<Database> db, std::shared_ptr<TableImage> image, std::shared_ptr<const RowList> rows);
    // Rows held whole.
    Snapshot(std::shared_ptr<Database> db, std::vector<ColumnInfo> columns, std::vector<CellColumn> cells);

    std::size_t rowCount() const override;
    const std::vector<ColumnInfo>& columns() const override { return columns_; }

    // A long value is fetched from the file; its bytes stay valid until that column's next fetch.
    // A row that another program has deleted since reads as null.
    Cell value(std::size_t position, std::size_t column) override;

    // A key of the row that outlives deletes of other rows and grows with the position.
    std::uint64_t keyOf(std::size_t position) const override;
    std::optional<std::size_t> positionOf(std::uint64_t key) const override;

    // Whether a row can be deleted: rows of a table, in a file we may write.
    bool canDelete() const override;
    // Removes the row from the file (committed when this returns) and then from the snapshot.
    // A refusal of the engine raises its message and changes nothing.
    void deleteRow(std::size_t position) override;
    // Rows of a table can be changed and added the same way; the snapshot then shows the row as
    // the file holds it after the change.
    bool canWrite() const override { return canDelete(); }
    void updateRow(std::size_t position, const std::vector<std::optional<OwnedValue>>& values) override;
    std::size_t insertRow(std::size_t position, const std::vector<std::optional<OwnedValue>>& values) override;

private:
    struct LongFetch {
        std::optional<Statement> statement;
        std::int64_t rowid = 0;
        bool fetched = false;
        CellType type = CellType::Null;
        std::string bytes;
    };
    const RowList& rows() const { return *rows_; }
    std::int64_t rowidAt(std::size_t position) const;
    void useOwnKeys();
    // Reads the short values of a row we wrote, as the file now holds them.
    void rereadRow(std::int64_t rowid);
    void bindValues(Statement& statement, const std::vector<std::optional<OwnedValue>>& values, int first) const;

    std::shared_ptr<Database> db_;
    std::vector<ColumnInfo> columns_;
    // Rows of a table:
    std::shared_ptr<TableImage> image_;
    std::shared_ptr<const RowList> rows_;
    std::vector<LongFetch> longFetches_;
    // Rows held whole:
    std::vector<CellColumn> cells_;
    std::size_t heldRows_ = 0;
    // Rows this snapshot wrote, by rowid: their short values as written. Added rows stand in the
    // row list as image size + their index in addedRowids_.
    std::unordered_map<std::int64_t, std::vector<OwnedValue>> written_;
    std::vector<std::int64_t> addedRowids_;
    // Keys after the first change; before it the key is (position + 1) times kKeySpacing,
    // which leaves room for rows added in between and before the first.
    static constexpr std::uint64_t kKeySpacing = std::uint64_t{1} << 32;
    std::vector<std::uint64_t> keys_;
};

// Runs `sql` and takes its snapshot. The statements of the reference book are answered from
// the table's image; any other is run by the engine. Failures raise the engine's message.
std::unique_ptr<Snapshot> openSnapshot(const std::shared_ptr<Database>& db, std::string_view sql);

}  // namespace fw::sqlite
