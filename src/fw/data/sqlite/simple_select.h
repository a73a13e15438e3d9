#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw::sqlite {

// The statements the reference book runs, recognised so that they can be answered from the
// table's image in memory:
//   SELECT * FROM table [WHERE column LIKE [(]'pattern'[)]] [ORDER BY column [ASC|DESC]] [;]
// Keywords in any case; names bare or quoted with "", [] or ``; a quote inside the pattern
// literal doubled. Anything else is left to the engine.
struct SimpleSelect {
    std::string table;
    std::optional<std::string> likeColumn;
    std::string likePattern;
    std::optional<std::string> orderColumn;
    bool descending = false;
};

std::optional<SimpleSelect> parseSimpleSelect(std::string_view sql);

}  // namespace fw::sqlite
