#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// An empty folder of its own for each test, under the build tree.
inline std::string dataScratchFolder() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder = std::filesystem::path(SENTAVIA_TEST_OUT) / "fw_data" /
                                         (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

struct Entry {
    std::optional<std::string> name;
    std::string descr;
};

// A direct connection of its own, as another program would have.
class RawConnection {
public:
    explicit RawConnection(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) ADD_FAILURE() << "cannot open " << path;
    }
    ~RawConnection() { sqlite3_close(db_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    void exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << (error ? error : "");
            sqlite3_free(error);
        }
    }
    std::vector<std::string> column(const std::string& sql) {
        std::vector<std::string> values;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db_);
            return values;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            values.push_back(text ? text : "<null>");
        }
        sqlite3_finalize(stmt);
        return values;
    }
    void insert(const Entry& entry) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO dict (basicname, descr) VALUES (?1, ?2)", -1, &stmt, nullptr);
        if (entry.name)
            sqlite3_bind_text(stmt, 1, entry.name->c_str(), -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(stmt, 1);
        sqlite3_bind_text(stmt, 2, entry.descr.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE) ADD_FAILURE() << sqlite3_errmsg(db_);
        sqlite3_finalize(stmt);
    }

private:
    sqlite3* db_ = nullptr;
};

// A "quillex.dat" of the builder's shape with the given entries, inserted in this order.
inline std::string makeDictionary(const std::string& folder, const std::vector<Entry>& entries, bool index = true) {
    const std::string path = (std::filesystem::path(folder) / "quillex.dat").string();
    std::filesystem::remove(path);
    RawConnection db(path);
    db.exec("CREATE TABLE dict (id INTEGER PRIMARY KEY, basicname VARCHAR(255), descr TEXT)");
    if (index) db.exec("CREATE INDEX dict_basicname ON dict (basicname)");
    db.exec("BEGIN");
    for (const Entry& entry : entries) db.insert(entry);
    db.exec("COMMIT");
    return path;
}

// Entries in an order that is neither by name nor by case, with Cyrillic, a quote, wildcard
// characters, an empty and a null name.
inline std::vector<Entry> sampleEntries() {
    return {
        {"Модуль печати", "Печатает страницы."},
        {"beta", "b"},
        {"Alpha", "a"},
        {"модуль связи", "Связь с сервером."},
        {"ab'c", "with a quote"},
        {"100% sure", "percent"},
        {"snake_case", "underscore"},
        {std::nullopt, "no name"},
        {"", "empty name"},
        {"Ёлка", "yo"},
        {"ZETA", "z"},
    };
}
