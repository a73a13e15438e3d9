#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace fw::sqlite {

// One prepared statement, finalised with its owner. Failures raise base::Error with the
// engine's message.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Steps once: true while there is a row, false when the statement is done.
    bool step();
    void reset();  // also clears the bindings
    void bind(int index, std::int64_t value);  // 1-based, as the engine counts
    void bind(int index, std::string_view text);

    int columnCount() const;
    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    std::string_view text(int column) const;  // valid until the next step
    std::string columnName(int column) const;

    sqlite3_stmt* handle() const { return stmt_; }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace fw::sqlite
