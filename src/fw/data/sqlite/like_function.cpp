#include "fw/data/sqlite/like_function.h"

#include <sqlite3.h>

#include <new>
#include <string_view>

#include "base/error.h"
#include "fw/data/sqlite/like_pattern.h"

namespace fw::sqlite {
namespace {

std::string_view textOf(sqlite3_value* value) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    if (!bytes) return {};
    return {bytes, static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

void deletePattern(void* pattern) { delete static_cast<LikePattern*>(pattern); }

// like(pattern, text): the engine's operand order for "text LIKE pattern".
void like(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // The pattern is compiled once per statement while it stays the same value.
    if (const auto* kept = static_cast<const LikePattern*>(sqlite3_get_auxdata(context, 0))) {
        sqlite3_result_int(context, kept->matches(textOf(args[1])) ? 1 : 0);
        return;
    }
    LikePattern* pattern = nullptr;
    try {
        pattern = new LikePattern(textOf(args[0]));
        sqlite3_result_int(context, pattern->matches(textOf(args[1])) ? 1 : 0);
    } catch (const std::bad_alloc&) {
        delete pattern;
        sqlite3_result_error_nomem(context);
        return;
    }
    // The engine may free it at once; it is not used after this.
    sqlite3_set_auxdata(context, 0, pattern, deletePattern);
}

}  // namespace

void installLikeFunction(sqlite3* db) {
    if (sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, like, nullptr,
                                   nullptr, nullptr) != SQLITE_OK)
        throw base::Error(sqlite3_errmsg(db));
}

}  // namespace fw::sqlite
