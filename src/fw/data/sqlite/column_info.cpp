#include "fw/data/sqlite/column_info.h"

#include <charconv>

#include "base/letter_case.h"

namespace fw::sqlite {
namespace {

constexpr int kDefaultTextSize = 255;

int declaredSize(std::string_view type) {
    const std::size_t open = type.find('(');
    if (open == std::string_view::npos) return kDefaultTextSize;
    int size = 0;
    const char* first = type.data() + open + 1;
    const auto [end, error] = std::from_chars(first, type.data() + type.size(), size);
    if (error != std::errc() || end == first || size <= 0) return kDefaultTextSize;
    return size;
}

}  // namespace

ColumnInfo describeColumn(std::string name, std::string_view declaredType) {
    const std::string type = base::toUpperAscii(declaredType);
    const auto has = [&](std::string_view part) { return type.find(part) != std::string::npos; };
    ColumnInfo info{std::move(name), ColumnKind::ShortText, 0};
    if (has("CHAR"))
        info.kind = ColumnKind::ShortText;
    else if (has("TEXT") || has("MEMO") || has("CLOB"))
        info.kind = ColumnKind::LongText;
    else if (has("BOOL") || has("BIT") || has("YESNO"))
        info.kind = ColumnKind::Boolean;
    else if (has("DATE") || has("TIME"))
        info.kind = ColumnKind::Date;
    else if (has("INT") || has("COUNTER"))
        info.kind = ColumnKind::Integer;
    else if (has("REAL") || has("FLOA") || has("DOUB") || has("NUMERIC") || has("DECIMAL") || has("CURRENCY") ||
             has("MONEY"))
        info.kind = ColumnKind::Float;
    else if (has("BLOB") || has("BINARY") || has("IMAGE") || has("OLE"))
        info.kind = ColumnKind::Blob;
    if (info.kind == ColumnKind::ShortText) info.size = declaredSize(type);
    return info;
}

}  // namespace fw::sqlite
