#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fw/data/sqlite/column_info.h"

struct sqlite3;

namespace fw::sqlite {

class TableImage;

// An open database file. Only an existing database is opened, never created: a missing,
// empty, unreadable or damaged file is a base::Error naming the file. The connection keeps
// the images of the tables it has listed, and drops them when another program changes the file.
class Database {
public:
    explicit Database(const std::string& path, bool readOnly = false);
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    sqlite3* handle() const { return db_; }
    const std::string& path() const { return path_; }
    bool readOnly() const;

    // Runs a statement that returns no rows; raises the engine's message.
    void execute(const std::string& sql);

    // The columns of a table in "SELECT *" order, or none when `name` is not a plain table with
    // rowids (a view, a table without rowids, no such table).
    std::optional<std::vector<ColumnInfo>> tableColumns(const std::string& name);
    // The table's image, read now unless a current one is kept; `orderColumn` is the order it
    // is best read in when it must be read.
    std::shared_ptr<TableImage> image(const std::string& table, const std::vector<ColumnInfo>& columns,
                                      std::optional<std::size_t> orderColumn);
    // Drops the kept images, after a statement that may have changed the data.
    void forgetImages() { images_.clear(); }
    // The collation a column compares with ("BINARY" unless declared otherwise).
    std::string collationOf(const std::string& table, const std::string& column);

private:
    std::uint64_t dataVersion();
    bool hasPlainIndexOn(const std::string& table, const std::string& column);

    std::string path_;
    sqlite3* db_ = nullptr;
    std::vector<std::shared_ptr<TableImage>> images_;
};

}  // namespace fw::sqlite
