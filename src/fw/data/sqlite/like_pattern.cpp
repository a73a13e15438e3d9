#include "fw/data/sqlite/like_pattern.h"

#include "base/utf8.h"
#include "fw/data/sqlite/case_fold.h"

namespace fw::sqlite {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Length of the character at `at`, as the decoder steps; at least 1.
std::size_t characterLength(std::string_view text, std::size_t at) {
    if (static_cast<unsigned char>(text[at]) < 0x80) return 1;
    return base::decodeUtf8(text, at).length;
}

// Matches `segment` at `at`; returns the end of the match or npos.
std::size_t matchAt(std::string_view segment, std::string_view text, std::size_t at) {
    for (char p : segment) {
        if (at >= text.size()) return npos;
        if (p == '_') {
            at += characterLength(text, at);
        } else {
            if (text[at] != p) return npos;
            ++at;
        }
    }
    return at;
}

// The leftmost match of `segment` in text[from, limit): its end, or npos.
std::size_t findFrom(std::string_view segment, std::string_view text, std::size_t from, std::size_t limit) {
    const std::string_view window = text.substr(0, limit);
    if (segment.find('_') == npos) {
        const std::size_t found = window.find(segment, from);
        return found == npos ? npos : found + segment.size();
    }
    for (std::size_t at = from; at <= window.size(); at += at < window.size() ? characterLength(window, at) : 1) {
        const std::size_t end = matchAt(segment, window, at);
        if (end != npos) return end;
    }
    return npos;
}

// Where `segment` must start so that it ends exactly at the end of `text`; npos when it cannot.
std::size_t suffixStart(std::string_view segment, std::string_view text) {
    std::size_t at = text.size();
    for (std::size_t k = segment.size(); k-- > 0;) {
        if (at == 0) return npos;
        if (segment[k] == '_') {
            --at;
            for (int steps = 0; steps < 3 && at > 0 && isContinuation(text[at]); ++steps) --at;
        } else {
            if (text[at - 1] != segment[k]) return npos;
            --at;
        }
    }
    // A "_" stepped back over a broken sequence may disagree with the forward reading.
    return matchAt(segment, text, at) == text.size() ? at : npos;
}

}  // namespace

LikePattern::LikePattern(std::string_view pattern) {
    const std::string folded = caseFolded(pattern);
    std::string piece;
    for (char ch : folded) {
        if (ch == '%') {
            anyRun_ = true;
            segments_.push_back(std::move(piece));
            piece.clear();
        } else {
            piece.push_back(ch);
        }
    }
    segments_.push_back(std::move(piece));
}

bool LikePattern::matchesFolded(std::string_view text) const {
    if (!anyRun_) return matchAt(segments_[0], text, 0) == text.size();
    const std::size_t prefixEnd = matchAt(segments_.front(), text, 0);
    if (prefixEnd == npos) return false;
    const std::size_t tailStart = suffixStart(segments_.back(), text);
    if (tailStart == npos || tailStart < prefixEnd) return false;
    std::size_t at = prefixEnd;
    for (std::size_t k = 1; k + 1 < segments_.size(); ++k) {
        if (segments_[k].empty()) continue;
        at = findFrom(segments_[k], text, at, tailStart);
        if (at == npos) return false;
    }
    return true;
}

bool LikePattern::matchesEverything() const {
    if (!anyRun_) return false;
    for (const std::string& segment : segments_)
        if (!segment.empty()) return false;
    return true;
}

std::optional<std::string_view> LikePattern::containedText() const {
    if (segments_.size() != 3 || !segments_[0].empty() || !segments_[2].empty()) return std::nullopt;
    const std::string& text = segments_[1];
    if (text.empty() || text.find('_') != std::string::npos) return std::nullopt;
    return std::string_view(text);
}

bool LikePattern::matches(std::string_view text) const { return matchesFolded(caseFolded(text)); }

}  // namespace fw::sqlite
