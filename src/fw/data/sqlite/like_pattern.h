#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::sqlite {

// A LIKE pattern as our users know it: "%" is any run of characters, "_" any one character,
// wherever they stand, and letter case is ignored for every alphabet. There is no escape
// character, so "%" and "_" are always wildcards.
class LikePattern {
public:
    explicit LikePattern(std::string_view pattern);

    // `folded` must already be case-folded (caseFolded()).
    bool matchesFolded(std::string_view folded) const;
    bool matches(std::string_view text) const;

    // True for a pattern that every text matches ("%", "%%" ...).
    bool matchesEverything() const;
    // For "%text%" with no "_" in the text: the folded text, which a search may look for directly.
    std::optional<std::string_view> containedText() const;

private:
    // The folded pieces between the "%" signs; "_" inside a piece stands for one character.
    std::vector<std::string> segments_;
    bool anyRun_ = false;  // at least one "%"
};

}  // namespace fw::sqlite
