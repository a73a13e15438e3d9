#include <sqlite3.h>

#include <algorithm>

#include "base/letter_case.h"
#include "fw/data/sqlite/database.h"
#include "fw/data/sqlite/like_pattern.h"
#include "fw/data/sqlite/simple_select.h"
#include "fw/data/sqlite/snapshot.h"

namespace fw::sqlite {
namespace {

std::optional<std::size_t> findColumn(const std::vector<ColumnInfo>& columns, const std::string& name) {
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (base::equalsIgnoreCase(columns[c].name, name)) return c;
    return std::nullopt;
}

// Rows of `full` (an order of all live rows) that are marked in `wanted`.
RowList filtered(const RowList& full, const std::vector<bool>& wanted) {
    RowList rows;
    for (std::uint32_t r : full)
        if (wanted[r]) rows.push_back(r);
    return rows;
}

// A statement answered from the table's image, or none when the image cannot answer it alike.
std::unique_ptr<Snapshot> fromImage(const std::shared_ptr<Database>& db, const SimpleSelect& select) {
    auto columns = db->tableColumns(select.table);
    if (!columns) return nullptr;
    std::optional<std::size_t> likeColumn, orderColumn;
    if (select.likeColumn) {
        likeColumn = findColumn(*columns, *select.likeColumn);
        if (!likeColumn || isLongKind((*columns)[*likeColumn].kind) || (*columns)[*likeColumn].rowidAlias)
            return nullptr;
    }
    if (select.orderColumn) {
        orderColumn = findColumn(*columns, *select.orderColumn);
        if (!orderColumn || isLongKind((*columns)[*orderColumn].kind)) return nullptr;
        if ((*columns)[*orderColumn].rowidAlias) {  // the rowid order, which the image keeps anyway
            if (select.descending) return nullptr;
            orderColumn.reset();
        }
        if (db->collationOf(select.table, (*columns)[*orderColumn].name) != "BINARY") return nullptr;
    }

    // Read in the order asked for, or over the searched column's index: either spares a scan of the
    // whole table when there is such an index.
    const std::shared_ptr<TableImage> image = db->image(select.table, *columns, orderColumn ? orderColumn : likeColumn);
    // Position of the order column among the short ones; -1 for the rowid order.
    const int orderIdx = orderColumn ? image->shortIndex(*orderColumn) : -1;
    const auto fullOrder = [&] {
        return orderIdx >= 0 ? image->columnOrder(static_cast<std::size_t>(orderIdx), select.descending)
                             : image->rowidOrder();
    };
    if (!likeColumn) return std::make_unique<Snapshot>(db, image, fullOrder());

    const auto likeIdx = static_cast<std::size_t>(image->shortIndex(*likeColumn));
    // The engine matches numbers by their text; such columns are left to it.
    if (!image->shortColumn(likeIdx).allTextOrNull()) return nullptr;
    const LikePattern pattern(select.likePattern);
    const CellColumn& folded = image->folded(likeIdx);
    RowList matches;
    if (const auto text = pattern.containedText()) {
        // "%text%": one search through all the names back to back, keeping hits inside one name.
        const std::string_view all = folded.allBytes();
        for (std::size_t at = all.find(*text); at != std::string_view::npos;) {
            const std::size_t row = folded.rowAt(at);
            const bool inside = at + text->size() <= folded.rowEnd(row);
            if (inside && image->alive(static_cast<std::uint32_t>(row))) matches.push_back(static_cast<std::uint32_t>(row));
            at = all.find(*text, inside ? folded.rowEnd(row) : at + 1);
        }
    } else {
        for (std::uint32_t r = 0; r < image->size(); ++r)
            if (image->alive(r) && !folded.isNull(r) && pattern.matchesFolded(folded.bytesOf(r))) matches.push_back(r);
    }

    // A few matches are sorted; many are picked out of the kept order of all rows.
    if (matches.size() > image->size() / 16) {
        std::vector<bool> wanted(image->size(), false);
        for (std::uint32_t r : matches) wanted[r] = true;
        return std::make_unique<Snapshot>(db, image, std::make_shared<const RowList>(filtered(*fullOrder(), wanted)));
    }
    if (orderIdx >= 0)
        image->sortByColumn(matches, static_cast<std::size_t>(orderIdx), select.descending);
    else
        image->sortByRowid(matches);
    return std::make_unique<Snapshot>(db, image, std::make_shared<const RowList>(std::move(matches)));
}

std::unique_ptr<Snapshot> heldWhole(const std::shared_ptr<Database>& db, std::string_view sql) {
    Statement statement(db->handle(), sql);
    const int count = statement.columnCount();
    std::vector<ColumnInfo> columns;
    for (int c = 0; c < count; ++c) {
        const char* declared = sqlite3_column_decltype(statement.handle(), c);
        columns.push_back(describeColumn(statement.columnName(c), declared ? declared : ""));
    }
    std::vector<CellColumn> cells(static_cast<std::size_t>(count));
    if (!sqlite3_stmt_readonly(statement.handle())) db->forgetImages();
    while (statement.step())
        for (int c = 0; c < count; ++c) cells[static_cast<std::size_t>(c)].append(statement.handle(), c);
    return std::make_unique<Snapshot>(db, std::move(columns), std::move(cells));
}

}  // namespace

std::unique_ptr<Snapshot> openSnapshot(const std::shared_ptr<Database>& db, std::string_view sql) {
    if (const auto select = parseSimpleSelect(sql))
        if (auto snapshot = fromImage(db, *select)) return snapshot;
    return heldWhole(db, sql);
}

}  // namespace fw::sqlite
