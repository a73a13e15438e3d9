#include "fw/data/sqlite/table_image.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <numeric>

#include "base/error.h"
#include "fw/data/sqlite/case_fold.h"
#include "fw/data/sqlite/huge_pages.h"
#include "fw/data/sqlite/quote_name.h"
#include "fw/data/sqlite/statement.h"

namespace fw::sqlite {

TableImage::TableImage(sqlite3* db, std::string table, std::vector<ColumnInfo> columns,
                       std::optional<std::size_t> orderColumn, std::uint64_t dataVersion)
    : table_(std::move(table)), columns_(std::move(columns)), dataVersion_(dataVersion) {
    std::string sql = "SELECT rowid";
    for (const ColumnInfo& column : columns_) {
        if (isLongKind(column.kind) || column.rowidAlias) {
            shortIndex_.push_back(column.rowidAlias ? kRowidColumn : kLongColumn);
            continue;
        }
        shortIndex_.push_back(static_cast<int>(cells_.size()));
        cells_.emplace_back();
        sql += ", " + quoteName(column.name);
    }
    sql += " FROM " + quoteName(table_);
    sql += orderColumn ? " ORDER BY " + quoteName(columns_[*orderColumn].name) + ", rowid" : " ORDER BY rowid";

    // Arrays made to size at once: growing them by doubling costs more than reading the rows.
    // The rowid range is known at no cost and is the count for a table that was never thinned;
    // a file cannot hold more rows than it has bytes, so a damaged range cannot ask for too much.
    // (Each of min and max alone is one step down the tree; together in one query they are a scan.)
    Statement range(db, "SELECT (SELECT max(rowid) FROM " + quoteName(table_) + ") - (SELECT min(rowid) FROM " +
                            quoteName(table_) + ") + 1, (SELECT page_count * page_size FROM pragma_page_count, "
                                                "pragma_page_size)");
    if (range.step() && !range.isNull(0)) {
        const std::int64_t rowsHint = std::min(range.integer(0), range.integer(1) / 16);
        if (rowsHint > 0 && rowsHint < std::numeric_limits<std::uint32_t>::max()) {
            const auto hint = static_cast<std::size_t>(rowsHint);
            rowids_.reserve(hint);
            adviseHugePages(rowids_.data(), rowids_.capacity() * sizeof rowids_[0]);
            for (std::size_t c = 0; c < columns_.size(); ++c)
                if (shortIndex_[c] >= 0)
                    cells_[static_cast<std::size_t>(shortIndex_[c])].reserve(hint, columns_[c].kind == ColumnKind::ShortText ? 40 : 8);
        }
    }
    Statement rows(db, sql);
    while (rows.step()) {
        if (rowids_.size() >= std::numeric_limits<std::uint32_t>::max() - 1)
            throw base::Error("The table has too many rows to be listed");
        rowids_.push_back(rows.integer(0));
        for (std::size_t c = 0; c < cells_.size(); ++c) cells_[c].append(rows.handle(), static_cast<int>(c + 1));
    }
    dead_.assign(rowids_.size(), false);
    folded_.resize(cells_.size());

    RowList loaded(rowids_.size());
    std::iota(loaded.begin(), loaded.end(), 0u);
    auto shared = std::make_shared<const RowList>(std::move(loaded));
    if (orderColumn)
        orders_.push_back({static_cast<std::size_t>(shortIndex_[*orderColumn]), false, shared});
    else
        rowidOrder_ = shared;
}

void TableImage::sortByRowid(RowList& rows) const {
    std::sort(rows.begin(), rows.end(), [&](std::uint32_t a, std::uint32_t b) { return rowids_[a] < rowids_[b]; });
}

void TableImage::sortByColumn(RowList& rows, std::size_t shortIdx, bool descending) const {
    const CellColumn& cells = cells_[shortIdx];
    const bool allText = cells.allTextOrNull();
    std::sort(rows.begin(), rows.end(), [&](std::uint32_t a, std::uint32_t b) {
        int c;
        if (allText) {  // the common case, without unpacking cells
            const bool na = cells.isNull(a), nb = cells.isNull(b);
            c = na != nb ? (na ? -1 : 1) : na ? 0 : cells.bytesOf(a).compare(cells.bytesOf(b));
        } else {
            c = compareCells(cells.cell(a), cells.cell(b));
        }
        if (c != 0) return descending ? c > 0 : c < 0;
        return rowids_[a] < rowids_[b];  // equal values keep the engine's rowid order
    });
}

std::shared_ptr<const RowList> TableImage::rowidOrder() {
    if (!rowidOrder_) {
        RowList rows;
        rows.reserve(size());
        for (std::uint32_t r = 0; r < size(); ++r)
            if (!dead_[r]) rows.push_back(r);
        sortByRowid(rows);
        rowidOrder_ = std::make_shared<const RowList>(std::move(rows));
    }
    return rowidOrder_;
}

std::shared_ptr<const RowList> TableImage::columnOrder(std::size_t shortIdx, bool descending) {
    for (const Order& order : orders_)
        if (order.shortIdx == shortIdx && order.descending == descending) return order.rows;
    RowList rows;
    rows.reserve(size());
    for (std::uint32_t r = 0; r < size(); ++r)
        if (!dead_[r]) rows.push_back(r);
    sortByColumn(rows, shortIdx, descending);
    orders_.push_back({shortIdx, descending, std::make_shared<const RowList>(std::move(rows))});
    return orders_.back().rows;
}

const CellColumn& TableImage::folded(std::size_t shortIdx) {
    if (!folded_[shortIdx]) {
        const CellColumn& cells = cells_[shortIdx];
        auto folded = std::make_unique<CellColumn>();
        folded->reserve(cells.size(), cells.size() ? cells.byteCount() / cells.size() + 1 : 0);
        std::string buffer;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            if (cells.isNull(r)) {
                folded->appendNull();
                continue;
            }
            buffer.clear();
            appendCaseFolded(buffer, cells.bytesOf(r));
            folded->appendText(buffer);
        }
        folded_[shortIdx] = std::move(folded);
    }
    return *folded_[shortIdx];
}

void TableImage::markDeleted(std::uint32_t row) {
    if (dead_[row]) return;
    dead_[row] = true;
    // Results already open keep the lists they share; later ones get lists without the row.
    const auto without = [&](const std::shared_ptr<const RowList>& rows) {
        RowList copy;
        copy.reserve(rows->size());
        for (std::uint32_t r : *rows)
            if (r != row) copy.push_back(r);
        return std::make_shared<const RowList>(std::move(copy));
    };
    if (rowidOrder_) rowidOrder_ = without(rowidOrder_);
    for (Order& order : orders_) order.rows = without(order.rows);
}

}  // namespace fw::sqlite
