#include "plat/controls/edit_layout.h"

#include <algorithm>

namespace plat {

namespace {

bool isBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

// Appends the lines of one paragraph [from, to) wrapped to the width.
void wrapParagraph(std::u32string_view text, std::size_t from, std::size_t to, int width, const EditMeasure& measure,
                   std::vector<EditLine>& out)
{
    std::size_t start = from;
    while (to - start > 0 && measure(text.substr(start, to - start)) > width) {
        // The longest prefix that fits, by bisection on the measured width.
        std::size_t lo = start + 1, hi = to;
        while (lo < hi) {
            std::size_t mid = (lo + hi + 1) / 2;
            if (measure(text.substr(start, mid - start)) <= width)
                lo = mid;
            else
                hi = mid - 1;
        }
        std::size_t fit = lo;
        // Break after the last space within the fitting part; keep trailing spaces on the line.
        std::size_t cut = fit;
        while (cut > start && text[cut - 1] != U' ' && text[cut - 1] != U'\t') --cut;
        if (cut == start) cut = fit;  // one long word: cut it
        std::size_t end = cut;
        while (cut < to && (text[cut] == U' ' || text[cut] == U'\t')) ++cut;
        if (cut >= to) {
            out.push_back({start, to, to});
            return;
        }
        out.push_back({start, end, cut});
        start = cut;
    }
    out.push_back({start, to, to});
}

}  // namespace

std::vector<EditLine> LayoutEditLines(std::u32string_view text, int wrapWidth, const EditMeasure& measure)
{
    std::vector<EditLine> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = start;
        while (end < text.size() && !isBreak(text[end])) ++end;
        if (wrapWidth > 0)
            wrapParagraph(text, start, end, wrapWidth, measure, lines);
        else
            lines.push_back({start, end, end});
        if (end >= text.size()) break;
        std::size_t next = end + 1;
        if (text[end] == U'\r' && next < text.size() && text[next] == U'\n') ++next;
        lines.back().next = next;
        start = next;
    }
    return lines;
}

std::size_t EditLineOf(const std::vector<EditLine>& lines, std::size_t index)
{
    // The first line whose next start is beyond index.
    auto it = std::upper_bound(lines.begin(), lines.end(), index,
                               [](std::size_t i, const EditLine& l) { return i < l.next; });
    if (it == lines.end()) return lines.empty() ? 0 : lines.size() - 1;
    std::size_t n = std::size_t(it - lines.begin());
    // A hard line's break characters belong to it; a wrap point belongs to the next line.
    return n;
}

std::size_t EditIndexAtX(std::u32string_view text, const EditLine& line, int x, const EditMeasure& measure)
{
    if (x <= 0) return line.start;
    std::size_t lo = line.start, hi = line.end;
    while (lo < hi) {
        std::size_t mid = (lo + hi + 1) / 2;
        if (measure(text.substr(line.start, mid - line.start)) <= x)
            lo = mid;
        else
            hi = mid - 1;
    }
    // lo is the last boundary at or left of x; the next one may be nearer.
    if (lo < line.end) {
        int left = measure(text.substr(line.start, lo - line.start));
        int right = measure(text.substr(line.start, lo + 1 - line.start));
        if (x - left > right - x) ++lo;
    }
    return lo;
}

}  // namespace plat
