#include "fw/data/sqlite/snapshot.h"

#include <sqlite3.h>

#include <algorithm>
#include <numeric>

#include "base/error.h"
#include "fw/data/sqlite/database.h"
#include "fw/data/sqlite/quote_name.h"

namespace fw::sqlite {

Snapshot::Snapshot(std::shared_ptr<Database> db, std::shared_ptr<TableImage> image,
                   std::shared_ptr<const RowList> rows)
    : db_(std::move(db)), columns_(image->columns()), image_(std::move(image)), rows_(std::move(rows)) {
    longFetches_.resize(columns_.size());
}

Snapshot::Snapshot(std::shared_ptr<Database> db, std::vector<ColumnInfo> columns, std::vector<CellColumn> cells)
    : db_(std::move(db)), columns_(std::move(columns)), cells_(std::move(cells)) {
    heldRows_ = cells_.empty() ? 0 : cells_.front().size();
}

std::size_t Snapshot::rowCount() const { return image_ ? rows().size() : heldRows_; }

Cell Snapshot::value(std::size_t position, std::size_t column) {
    if (!image_) return cells_[column].cell(position);
    const std::uint32_t row = rows()[position];
    const int shortIdx = image_->shortIndex(column);
    if (shortIdx >= 0) return image_->shortColumn(static_cast<std::size_t>(shortIdx)).cell(row);
    if (shortIdx == TableImage::kRowidColumn) {
        Cell cell;
        cell.type = CellType::Integer;
        cell.integer = image_->rowid(row);
        return cell;
    }

    LongFetch& fetch = longFetches_[column];
    const std::int64_t rowid = image_->rowid(row);
    if (!fetch.fetched || fetch.rowid != rowid) {
        if (!fetch.statement)
            fetch.statement.emplace(db_->handle(), "SELECT " + quoteName(columns_[column].name) + " FROM " +
                                                       quoteName(image_->table()) + " WHERE rowid = ?1");
        Statement& statement = *fetch.statement;
        fetch.fetched = false;
        statement.reset();
        statement.bind(1, rowid);
        fetch.type = CellType::Null;
        fetch.bytes.clear();
        if (statement.step()) {
            sqlite3_stmt* stmt = statement.handle();
            switch (sqlite3_column_type(stmt, 0)) {
            case SQLITE_NULL: break;
            case SQLITE_BLOB:
                fetch.type = CellType::Blob;
                if (const void* blob = sqlite3_column_blob(stmt, 0))
                    fetch.bytes.assign(static_cast<const char*>(blob), static_cast<std::size_t>(sqlite3_column_bytes(stmt, 0)));
                break;
            default:  // long text; a number stored in it is shown as its text
                fetch.type = CellType::Text;
                fetch.bytes = statement.text(0);
                break;
            }
        }
        statement.reset();  // hold no read lock between fetches
        fetch.rowid = rowid;
        fetch.fetched = true;
    }
    Cell cell;
    cell.type = fetch.type;
    cell.bytes = fetch.bytes;
    return cell;
}

std::uint64_t Snapshot::keyOf(std::size_t position) const { return keys_.empty() ? position : keys_[position]; }

std::optional<std::size_t> Snapshot::positionOf(std::uint64_t key) const {
    if (keys_.empty()) {
        if (key < rowCount()) return static_cast<std::size_t>(key);
        return std::nullopt;
    }
    const auto found = std::lower_bound(keys_.begin(), keys_.end(), key);
    if (found == keys_.end() || *found != key) return std::nullopt;
    return static_cast<std::size_t>(found - keys_.begin());
}

bool Snapshot::canDelete() const { return image_ && !db_->readOnly(); }

void Snapshot::deleteRow(std::size_t position) {
    if (!image_) throw base::Error("This result cannot be changed");
    if (position >= rowCount()) throw base::Error("No record to delete");
    const std::uint32_t row = rows()[position];
    {
        Statement remove(db_->handle(), "DELETE FROM " + quoteName(image_->table()) + " WHERE rowid = ?1");
        remove.bind(1, image_->rowid(row));
        remove.step();  // the engine commits before it reports done
    }
    image_->markDeleted(row);

    if (keys_.empty()) {
        keys_.resize(rowCount());
        std::iota(keys_.begin(), keys_.end(), 0u);
    }
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(position));
    RowList remaining;
    remaining.reserve(rowCount() - 1);
    remaining.insert(remaining.end(), rows().begin(), rows().begin() + static_cast<std::ptrdiff_t>(position));
    remaining.insert(remaining.end(), rows().begin() + static_cast<std::ptrdiff_t>(position) + 1, rows().end());
    rows_ = std::make_shared<const RowList>(std::move(remaining));
    for (LongFetch& fetch : longFetches_) fetch.fetched = false;
}

}  // namespace fw::sqlite
