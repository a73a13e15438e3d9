#include "fw/data/sqlite/database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "base/error.h"
#include "base/format.h"
#include "base/letter_case.h"
#include "fw/data/sqlite/like_function.h"
#include "fw/data/sqlite/statement.h"
#include "fw/data/sqlite/table_image.h"

namespace fw::sqlite {
namespace {

constexpr int kBusyMilliseconds = 250;

[[noreturn]] void cannotOpen(const std::string& path, std::string_view reason) {
    throw base::Error(base::format("Cannot open database \"%s\". %s", path, reason));
}

std::string upperType(std::string_view type) { return base::toUpperAscii(type); }

}  // namespace

Database::Database(const std::string& path, bool readOnly) : path_(path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) cannotOpen(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) cannotOpen(path, "It is not a file.");
    // The engine takes an empty file for a new database; for us it is not one.
    if (info.st_size == 0) cannotOpen(path, "The file is empty: it is not a database.");

    const int rc = sqlite3_open_v2(path.c_str(), &db_, (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        cannotOpen(path, reason);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyMilliseconds);
    try {
        // Reading the schema is what tells a database from any other file.
        {
            Statement check(db_, "SELECT count(*) FROM sqlite_master");
            check.step();
        }
        installLikeFunction(db_);
        // Damaged pages are caught when read rather than trusted.
        sqlite3_exec(db_, "PRAGMA cell_size_check = ON", nullptr, nullptr, nullptr);
    } catch (const base::Error& e) {
        sqlite3_close(db_);
        db_ = nullptr;
        cannotOpen(path, e.message());
    }
}

Database::~Database() {
    images_.clear();
    sqlite3_close_v2(db_);
}

bool Database::readOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

void Database::execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        forgetImages();
        throw base::Error(message);
    }
    forgetImages();
}

std::uint64_t Database::dataVersion() {
    Statement version(db_, "PRAGMA data_version");
    return version.step() ? static_cast<std::uint64_t>(version.integer(0)) : 0;
}

std::optional<std::vector<ColumnInfo>> Database::tableColumns(const std::string& name) {
    Statement kind(db_, "SELECT type, sql FROM sqlite_master WHERE name = ?1 COLLATE NOCASE AND type = 'table'");
    kind.bind(1, name);
    if (!kind.step()) return std::nullopt;
    if (base::toUpperAscii(kind.text(1)).find("WITHOUT ROWID") != std::string::npos) return std::nullopt;

    // Generated columns show in "SELECT *" but not in the plain column list: such tables are the engine's.
    Statement hidden(db_, "SELECT count(*) FROM pragma_table_xinfo(?1) WHERE hidden <> 0");
    hidden.bind(1, name);
    if (hidden.step() && hidden.integer(0) > 0) return std::nullopt;

    Statement info(db_, "SELECT name, type, pk, (SELECT count(*) FROM pragma_table_info(?1) WHERE pk > 0) "
                        "FROM pragma_table_info(?1)");
    info.bind(1, name);
    std::vector<ColumnInfo> columns;
    while (info.step()) {
        std::string column(info.text(0));
        // A column that takes the rowid's name would hide it.
        const std::string upper = base::toUpperAscii(column);
        if (upper == "ROWID" || upper == "OID" || upper == "_ROWID_") return std::nullopt;
        columns.push_back(describeColumn(std::move(column), info.text(1)));
        columns.back().rowidAlias = info.integer(2) == 1 && info.integer(3) == 1 && upperType(info.text(1)) == "INTEGER";
    }
    if (columns.empty()) return std::nullopt;
    return columns;
}

std::string Database::collationOf(const std::string& table, const std::string& column) {
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(db_, "main", table.c_str(), column.c_str(), nullptr, &collation, nullptr,
                                      nullptr, nullptr) != SQLITE_OK || !collation)
        return "";
    return base::toUpperAscii(collation);
}

bool Database::hasPlainIndexOn(const std::string& table, const std::string& column) {
    Statement index(db_,
                    "SELECT 1 FROM pragma_index_list(?1) AS l, pragma_index_xinfo(l.name) AS x "
                    "WHERE x.seqno = 0 AND x.name = ?2 COLLATE NOCASE AND x.coll = 'BINARY' "
                    "AND x.desc = 0 AND l.partial = 0");
    index.bind(1, table);
    index.bind(2, column);
    return index.step();
}

std::shared_ptr<TableImage> Database::image(const std::string& table, const std::vector<ColumnInfo>& columns,
                                            std::optional<std::size_t> orderColumn) {
    const std::uint64_t version = dataVersion();
    std::erase_if(images_, [&](const std::shared_ptr<TableImage>& image) { return image->dataVersion() != version; });
    for (const auto& image : images_)
        if (base::equalsIgnoreCase(image->table(), table)) return image;
    if (orderColumn && !hasPlainIndexOn(table, columns[*orderColumn].name)) orderColumn.reset();
    images_.push_back(std::make_shared<TableImage>(db_, table, columns, orderColumn, version));
    return images_.back();
}

}  // namespace fw::sqlite
