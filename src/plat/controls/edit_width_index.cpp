#include "plat/controls/edit_width_index.h"

#include <algorithm>
#include <limits>

namespace plat {

namespace {

std::int64_t WidthOf(std::u32string_view text, std::size_t from, std::size_t to, const EditMeasure& measure)
{
    return measure.width(text.substr(from, to - from));
}

}  // namespace

const EditWidthIndex::Mark& EditWidthIndex::markAtOrBefore(std::size_t index) const
{
    auto it = std::upper_bound(marks_.begin(), marks_.end(), index,
                               [](std::size_t i, const Mark& m) { return i < m.at; });
    return *(it - 1);  // marks_[0] is at 0
}

void EditWidthIndex::extend(std::u32string_view text, std::size_t index, std::int64_t upToX,
                            const EditMeasure& measure)
{
    index = std::min(index, text.size());
    while (marks_.back().at + kStep <= index && marks_.back().x <= upToX) {
        Mark m = marks_.back();
        marks_.push_back({m.at + kStep, m.x + WidthOf(text, m.at, m.at + kStep, measure)});
    }
}

void EditWidthIndex::update(std::u32string_view text, const EditChange& change, const EditMeasure& measure)
{
    // Marks up to the change stay; marks inside the replaced part go; later marks move along.
    auto firstAfter = std::upper_bound(marks_.begin(), marks_.end(), change.at,
                                       [](std::size_t i, const Mark& m) { return i < m.at; });
    const std::size_t oldEnd = change.at + change.removed;
    auto firstKept = std::lower_bound(firstAfter, marks_.end(), oldEnd,
                                      [](const Mark& m, std::size_t i) { return m.at < i; });
    if (firstKept == marks_.end()) {
        marks_.erase(firstAfter, marks_.end());
        return;
    }
    // The new position of the first kept mark, and new marks over the text put in before it.
    const std::size_t keptAt = firstKept->at - change.removed + change.inserted;
    std::vector<Mark> fresh;
    Mark m = *(firstAfter - 1);
    while (m.at + kStep < keptAt) {
        m = {m.at + kStep, m.x + WidthOf(text, m.at, m.at + kStep, measure)};
        fresh.push_back(m);
    }
    const std::int64_t keptX = m.x + WidthOf(text, m.at, keptAt, measure);
    const std::int64_t moveX = keptX - firstKept->x;
    for (auto it = firstKept; it != marks_.end(); ++it) {
        it->at = it->at - change.removed + change.inserted;
        it->x += moveX;
    }
    auto at = marks_.erase(firstAfter, firstKept);
    marks_.insert(at, fresh.begin(), fresh.end());
}

std::int64_t EditWidthIndex::x(std::u32string_view text, std::size_t index, const EditMeasure& measure)
{
    index = std::min(index, text.size());
    extend(text, index, std::numeric_limits<std::int64_t>::max(), measure);
    const Mark& m = markAtOrBefore(index);
    return m.x + WidthOf(text, m.at, index, measure);
}

std::size_t EditWidthIndex::fit(std::u32string_view text, std::size_t from, std::size_t to, std::int64_t target,
                                const EditMeasure& measure, std::int64_t& fitX)
{
    to = std::min(to, text.size());
    from = std::min(from, to);
    std::int64_t fromX = x(text, from, measure);
    extend(text, to, target, measure);
    // The last mark within [from, to] at or left of target starts the measuring.
    auto byX = std::upper_bound(marks_.begin(), marks_.end(), target,
                                [](std::int64_t t, const Mark& m) { return t < m.x; });
    auto byAt = std::upper_bound(marks_.begin(), marks_.end(), to,
                                 [](std::size_t i, const Mark& m) { return i < m.at; });
    auto it = std::min(byX, byAt);
    std::size_t base = from;
    std::int64_t baseX = fromX;
    if (it != marks_.begin()) {
        const Mark& m = *(it - 1);
        if (m.at > from && m.at <= to) {
            base = m.at;
            baseX = m.x;
        }
    }
    if (target < baseX) {
        fitX = fromX;
        return from;
    }
    std::int64_t room = std::min<std::int64_t>(target - baseX, std::numeric_limits<int>::max());
    int width = 0;
    std::size_t n = measure.fit(text.substr(base, to - base), int(room), width);
    fitX = baseX + width;
    return base + n;
}

}  // namespace plat
