#include "fw/data/sqlite/simple_select.h"

#include <cctype>

#include "base/letter_case.h"

namespace fw::sqlite {
namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    void skipSpace() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }
    bool atEnd() {
        skipSpace();
        return at_ == text_.size();
    }
    bool symbol(char ch) {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == ch) {
            ++at_;
            return true;
        }
        return false;
    }
    // A keyword, not the start of a longer word.
    bool keyword(std::string_view word) {
        skipSpace();
        if (text_.size() - at_ < word.size()) return false;
        if (base::toUpperAscii(text_.substr(at_, word.size())) != word) return false;
        const std::size_t end = at_ + word.size();
        if (end < text_.size() && isNamePart(text_[end])) return false;
        at_ = end;
        return true;
    }
    std::optional<std::string> name() {
        skipSpace();
        if (at_ >= text_.size()) return std::nullopt;
        const char open = text_[at_];
        const char close = open == '"' ? '"' : open == '[' ? ']' : open == '`' ? '`' : '\0';
        if (close) {
            const std::size_t end = text_.find(close, at_ + 1);
            if (end == std::string_view::npos || end == at_ + 1) return std::nullopt;
            std::string result(text_.substr(at_ + 1, end - at_ - 1));
            at_ = end + 1;
            return result;
        }
        if (!(std::isalpha(static_cast<unsigned char>(open)) || open == '_')) return std::nullopt;
        const std::size_t start = at_;
        while (at_ < text_.size() && isNamePart(text_[at_])) ++at_;
        return std::string(text_.substr(start, at_ - start));
    }
    std::optional<std::string> literal() {
        skipSpace();
        if (at_ >= text_.size() || text_[at_] != '\'') return std::nullopt;
        std::string result;
        for (std::size_t i = at_ + 1; i < text_.size(); ++i) {
            if (text_[i] != '\'') {
                result.push_back(text_[i]);
            } else if (i + 1 < text_.size() && text_[i + 1] == '\'') {
                result.push_back('\'');
                ++i;
            } else {
                at_ = i + 1;
                return result;
            }
        }
        return std::nullopt;
    }

private:
    static bool isNamePart(char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || static_cast<unsigned char>(ch) >= 0x80;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<SimpleSelect> parseSimpleSelect(std::string_view sql) {
    Reader in(sql);
    SimpleSelect result;
    if (!in.keyword("SELECT") || !in.symbol('*') || !in.keyword("FROM")) return std::nullopt;
    auto table = in.name();
    if (!table) return std::nullopt;
    result.table = *table;
    if (in.keyword("WHERE")) {
        result.likeColumn = in.name();
        if (!result.likeColumn || !in.keyword("LIKE")) return std::nullopt;
        const bool bracketed = in.symbol('(');
        auto pattern = in.literal();
        if (!pattern || (bracketed && !in.symbol(')'))) return std::nullopt;
        result.likePattern = *pattern;
    }
    if (in.keyword("ORDER")) {
        if (!in.keyword("BY")) return std::nullopt;
        result.orderColumn = in.name();
        if (!result.orderColumn) return std::nullopt;
        if (in.keyword("DESC"))
            result.descending = true;
        else
            in.keyword("ASC");
    }
    in.symbol(';');
    if (!in.atEnd()) return std::nullopt;
    return result;
}

}  // namespace fw::sqlite
