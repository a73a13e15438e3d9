#include "plat/controls/edit_layout.h"

#include <algorithm>

namespace plat {

namespace {

bool isBreak(char32_t c) { return c == U'\r' || c == U'\n'; }
bool isBlank(char32_t c) { return c == U' ' || c == U'\t'; }

// Where the line after a break at `at` starts ("\r\n" is one break).
std::size_t pastBreak(std::u32string_view text, std::size_t at)
{
    if (at >= text.size()) return at;
    if (text[at] == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n') return at + 2;
    return at + 1;
}

std::size_t findBreak(std::u32string_view text, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i)
        if (isBreak(text[i])) return i;
    return to;
}

}  // namespace

EditLine NextEditLine(std::u32string_view text, std::size_t start, int wrapWidth, const EditMeasure& measure)
{
    if (wrapWidth <= 0) {
        std::size_t end = findBreak(text, start, text.size());
        return {start, end, pastBreak(text, end)};
    }
    // Measure a growing window rather than the whole paragraph: a wrapped line is short even
    // when its paragraph is the whole text.
    std::size_t fit = 0;
    for (std::size_t window = 256;; window *= 2) {
        std::size_t limit = std::min(text.size(), start + window);
        std::size_t to = findBreak(text, start, limit);
        int width = 0;
        fit = measure.fit(text.substr(start, to - start), wrapWidth, width);
        if (fit < to - start) break;
        if (to < limit || limit == text.size()) return {start, to, pastBreak(text, to)};
    }
    // Break after the last blank within the fitting part; keep trailing blanks on the line.
    std::size_t fitEnd = start + std::max<std::size_t>(fit, 1);
    std::size_t cut = fitEnd;
    while (cut > start && !isBlank(text[cut - 1])) --cut;
    if (cut == start) cut = fitEnd;  // one long word: cut it
    std::size_t end = cut;
    while (cut < text.size() && isBlank(text[cut])) ++cut;
    if (cut == text.size() || isBreak(text[cut])) return {start, cut, pastBreak(text, cut)};
    return {start, end, cut};
}

std::vector<EditLine> LayoutEditLines(std::u32string_view text, int wrapWidth, const EditMeasure& measure)
{
    std::vector<EditLine> lines;
    std::size_t start = 0;
    for (;;) {
        lines.push_back(NextEditLine(text, start, wrapWidth, measure));
        if (lines.back().end >= text.size()) break;
        start = lines.back().next;
    }
    return lines;
}

void RelayoutEditLines(std::vector<EditLine>& lines, std::u32string_view text, const EditChange& change,
                       int wrapWidth, const EditMeasure& measure)
{
    if (lines.empty()) {
        lines = LayoutEditLines(text, wrapWidth, measure);
        return;
    }
    // The line before the change may change too: a shorter first word can move up to it, and a
    // "\n" typed after its "\r" joins its break.
    std::size_t first = EditLineOf(lines, change.at);
    if (first > 0) --first;
    const std::size_t oldChangedEnd = change.at + change.removed;
    const std::size_t newChangedEnd = change.at + change.inserted;
    auto shift = [&](std::size_t i) { return i - change.removed + change.inserted; };

    std::vector<EditLine> fresh;
    std::size_t start = lines[first].start;
    std::size_t resume = lines.size();  // the first old line kept, when one is
    for (;;) {
        fresh.push_back(NextEditLine(text, start, wrapWidth, measure));
        if (fresh.back().end >= text.size()) break;
        start = fresh.back().next;
        if (start < newChangedEnd) continue;
        // Past the change, the lines from a start an old line had are the old ones moved along.
        std::size_t oldStart = start - change.inserted + change.removed;
        if (oldStart < oldChangedEnd) continue;
        auto it = std::lower_bound(lines.begin() + std::ptrdiff_t(first), lines.end(), oldStart,
                                   [](const EditLine& l, std::size_t s) { return l.start < s; });
        if (it != lines.end() && it->start == oldStart) {
            resume = std::size_t(it - lines.begin());
            break;
        }
    }
    for (std::size_t i = resume; i < lines.size(); ++i) {
        lines[i].start = shift(lines[i].start);
        lines[i].end = shift(lines[i].end);
        lines[i].next = shift(lines[i].next);
    }
    lines.erase(lines.begin() + std::ptrdiff_t(first), lines.begin() + std::ptrdiff_t(resume));
    lines.insert(lines.begin() + std::ptrdiff_t(first), fresh.begin(), fresh.end());
}

std::size_t EditLineOf(const std::vector<EditLine>& lines, std::size_t index)
{
    // The first line whose next start is beyond index.
    auto it = std::upper_bound(lines.begin(), lines.end(), index,
                               [](std::size_t i, const EditLine& l) { return i < l.next; });
    if (it == lines.end()) return lines.empty() ? 0 : lines.size() - 1;
    // A hard line's break characters belong to it; a wrap point belongs to the next line.
    return std::size_t(it - lines.begin());
}

std::size_t EditIndexAtX(std::u32string_view text, const EditLine& line, int x, const EditMeasure& measure)
{
    if (x <= 0) return line.start;
    std::u32string_view run = text.substr(line.start, line.end - line.start);
    int left = 0;
    std::size_t n = measure.fit(run, x, left);
    // n is the last boundary at or left of x; the next one may be nearer.
    if (n < run.size()) {
        int right = left + measure.width(run.substr(n, 1));
        if (x - left > right - x) ++n;
    }
    return line.start + n;
}

}  // namespace plat
