#include "fw/data/sqlite/snapshot.h"

#include <sqlite3.h>

#include <algorithm>

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

std::int64_t Snapshot::rowidAt(std::size_t position) const {
    const std::uint32_t row = rows()[position];
    return row < image_->size() ? image_->rowid(row) : addedRowids_[row - image_->size()];
}

Cell Snapshot::value(std::size_t position, std::size_t column) {
    if (!image_) return cells_[column].cell(position);
    const std::uint32_t row = rows()[position];
    const std::int64_t rowid = rowidAt(position);
    const int shortIdx = image_->shortIndex(column);
    if (shortIdx == TableImage::kRowidColumn) {
        Cell cell;
        cell.type = CellType::Integer;
        cell.integer = rowid;
        return cell;
    }
    if (shortIdx >= 0) {
        if (!written_.empty()) {
            const auto written = written_.find(rowid);
            if (written != written_.end()) return written->second[column].view();
        }
        return image_->shortColumn(static_cast<std::size_t>(shortIdx)).cell(row);
    }

    LongFetch& fetch = longFetches_[column];
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
                    fetch.bytes.assign(static_cast<const char*>(blob),
                                       static_cast<std::size_t>(sqlite3_column_bytes(stmt, 0)));
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

std::uint64_t Snapshot::keyOf(std::size_t position) const {
    return keys_.empty() ? (position + 1) * kKeySpacing : keys_[position];
}

std::optional<std::size_t> Snapshot::positionOf(std::uint64_t key) const {
    if (keys_.empty()) {
        if (key % kKeySpacing == 0 && key != 0 && key / kKeySpacing <= rowCount())
            return static_cast<std::size_t>(key / kKeySpacing - 1);
        return std::nullopt;
    }
    const auto found = std::lower_bound(keys_.begin(), keys_.end(), key);
    if (found == keys_.end() || *found != key) return std::nullopt;
    return static_cast<std::size_t>(found - keys_.begin());
}

void Snapshot::useOwnKeys() {
    if (!keys_.empty() || rowCount() == 0) return;
    keys_.resize(rowCount());
    for (std::size_t p = 0; p < keys_.size(); ++p) keys_[p] = (p + 1) * kKeySpacing;
}

bool Snapshot::canDelete() const { return image_ && !db_->readOnly(); }

void Snapshot::deleteRow(std::size_t position) {
    if (!image_) throw base::Error("This result cannot be changed");
    if (position >= rowCount()) throw base::Error("No record to delete");
    const std::uint32_t row = rows()[position];
    const std::int64_t rowid = rowidAt(position);
    {
        Statement remove(db_->handle(), "DELETE FROM " + quoteName(image_->table()) + " WHERE rowid = ?1");
        remove.bind(1, rowid);
        remove.step();  // the engine commits before it reports done
    }
    if (row < image_->size()) image_->markDeleted(row);
    written_.erase(rowid);

    useOwnKeys();
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(position));
    RowList remaining(*rows_);
    remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(position));
    rows_ = std::make_shared<const RowList>(std::move(remaining));
    for (LongFetch& fetch : longFetches_) fetch.fetched = false;
}

void Snapshot::bindValues(Statement& statement, const std::vector<std::optional<OwnedValue>>& values,
                          int first) const {
    int index = first;
    for (const auto& value : values) {
        if (!value) continue;
        sqlite3_stmt* stmt = statement.handle();
        switch (value->type) {
        case CellType::Null: sqlite3_bind_null(stmt, index); break;
        case CellType::Integer: sqlite3_bind_int64(stmt, index, value->integer); break;
        case CellType::Float: sqlite3_bind_double(stmt, index, value->real); break;
        case CellType::Text: statement.bind(index, value->bytes); break;
        case CellType::Blob:
            sqlite3_bind_blob64(stmt, index, value->bytes.data(), value->bytes.size(), SQLITE_TRANSIENT);
            break;
        }
        ++index;
    }
}

void Snapshot::rereadRow(std::int64_t rowid) {
    std::string sql = "SELECT ";
    for (std::size_t c = 0; c < columns_.size(); ++c) sql += (c ? ", " : "") + quoteName(columns_[c].name);
    sql += " FROM " + quoteName(image_->table()) + " WHERE rowid = ?1";
    Statement read(db_->handle(), sql);
    read.bind(1, rowid);
    std::vector<OwnedValue> row(columns_.size());
    if (read.step()) {
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (image_->shortIndex(c) < 0) continue;  // long values are fetched anyway
            CellColumn one;
            one.append(read.handle(), static_cast<int>(c));
            row[c] = OwnedValue::of(one.cell(0));
        }
    }
    written_[rowid] = std::move(row);
    for (LongFetch& fetch : longFetches_) fetch.fetched = false;
    db_->forgetImages();  // the next query reads the table again
}

void Snapshot::updateRow(std::size_t position, const std::vector<std::optional<OwnedValue>>& values) {
    if (!image_) throw base::Error("This result cannot be changed");
    if (position >= rowCount()) throw base::Error("No record to change");
    std::string sql;
    for (std::size_t c = 0; c < values.size() && c < columns_.size(); ++c)
        if (values[c]) sql += (sql.empty() ? "" : ", ") + quoteName(columns_[c].name) + " = ?";
    if (sql.empty()) return;
    const std::int64_t rowid = rowidAt(position);
    Statement update(db_->handle(), "UPDATE " + quoteName(image_->table()) + " SET " + sql + " WHERE rowid = ?" +
                                        std::to_string(values.size() + 1));
    bindValues(update, values, 1);
    update.bind(static_cast<int>(values.size() + 1), rowid);
    update.step();
    rereadRow(rowid);
}

std::size_t Snapshot::insertRow(std::size_t position, const std::vector<std::optional<OwnedValue>>& values) {
    if (!image_) throw base::Error("This result cannot be changed");
    position = std::min(position, rowCount());
    std::string names, marks;
    for (std::size_t c = 0; c < values.size() && c < columns_.size(); ++c) {
        if (!values[c]) continue;
        names += (names.empty() ? "" : ", ") + quoteName(columns_[c].name);
        marks += marks.empty() ? "?" : ", ?";
    }
    const std::string table = quoteName(image_->table());
    Statement insert(db_->handle(), names.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                                                  : "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")");
    bindValues(insert, values, 1);

    // Room among the keys first, so that a failure after the write cannot leave the row unlisted.
    useOwnKeys();
    const std::uint64_t before = position == 0 ? 0 : keys_[position - 1] + 1;
    const std::uint64_t after = position < keys_.size() ? keys_[position] : before + 2 * kKeySpacing;
    if (after <= before) throw base::Error("Too many records added at one place");
    const std::uint64_t key = before + (after - before) / 2;

    insert.step();
    const std::int64_t rowid = sqlite3_last_insert_rowid(db_->handle());
    addedRowids_.push_back(rowid);
    RowList rows(*rows_);
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(position),
                static_cast<std::uint32_t>(image_->size() + addedRowids_.size() - 1));
    rows_ = std::make_shared<const RowList>(std::move(rows));
    keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(position), key);
    rereadRow(rowid);
    return position;
}

}  // namespace fw::sqlite
