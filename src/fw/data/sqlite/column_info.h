#pragma once

#include <string>
#include <string_view>

namespace fw::sqlite {

// What a column holds, read from its declared type the way the original engine's types map:
// "VARCHAR(n)"/"CHAR" short text, "TEXT"/"MEMO"/"CLOB" long text, and so on. A column without
// a declared type (an expression) counts as short text.
enum class ColumnKind { ShortText, LongText, Integer, Float, Date, Boolean, Blob };

struct ColumnInfo {
    std::string name;
    ColumnKind kind = ColumnKind::ShortText;
    int size = 0;  // characters of a short text column; 0 for the rest
    bool rowidAlias = false;  // the table's INTEGER PRIMARY KEY, which is its rowid
};

ColumnInfo describeColumn(std::string name, std::string_view declaredType);

// Long values are fetched one at a time when asked for, not kept in memory.
inline bool isLongKind(ColumnKind kind) { return kind == ColumnKind::LongText || kind == ColumnKind::Blob; }

}  // namespace fw::sqlite
