#include "dict_writer.h"

#include <sqlite3.h>

#include <cstdio>

#include "base/error.h"

namespace dictdb {

DictWriter::DictWriter(std::string path) : path_(std::move(path)), partPath_(path_ + ".part") {
    std::remove(partPath_.c_str());
    if (sqlite3_open_v2(partPath_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw base::Error("Cannot create " + partPath_ + ": " + sqlite3_errmsg(db_));
    exec("PRAGMA journal_mode = OFF");
    exec("PRAGMA synchronous = OFF");
    exec("CREATE TABLE dict (id INTEGER PRIMARY KEY, basicname VARCHAR(255), descr TEXT)");
    exec("BEGIN");
    if (sqlite3_prepare_v2(db_, "INSERT INTO dict (basicname, descr) VALUES (?1, ?2)", -1, &insert_, nullptr) !=
        SQLITE_OK)
        throw base::Error(sqlite3_errmsg(db_));
}

DictWriter::~DictWriter() {
    sqlite3_finalize(insert_);
    if (db_) {
        sqlite3_close(db_);
        std::remove(partPath_.c_str());  // not finished
    }
}

void DictWriter::exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw base::Error(message);
    }
}

void DictWriter::add(std::string_view name, std::string_view descr) {
    sqlite3_bind_text64(insert_, 1, name.data(), name.size(), SQLITE_STATIC, SQLITE_UTF8);
    sqlite3_bind_text64(insert_, 2, descr.data(), descr.size(), SQLITE_STATIC, SQLITE_UTF8);
    const int rc = sqlite3_step(insert_);
    sqlite3_reset(insert_);
    if (rc != SQLITE_DONE) throw base::Error(sqlite3_errmsg(db_));
}

void DictWriter::finish(bool indexNames) {
    sqlite3_finalize(insert_);
    insert_ = nullptr;
    exec("COMMIT");
    if (indexNames) exec("CREATE INDEX dict_basicname ON dict (basicname)");
    if (sqlite3_close(db_) != SQLITE_OK) throw base::Error(sqlite3_errmsg(db_));
    db_ = nullptr;
    if (std::rename(partPath_.c_str(), path_.c_str()) != 0) throw base::Error("Cannot write " + path_);
}

}  // namespace dictdb
