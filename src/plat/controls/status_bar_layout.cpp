#include "plat/controls/status_bar_layout.h"

#include <algorithm>

namespace plat {

RECT StatusBarLayout::partRect(const RECT& client, const std::vector<int>& rights, int part, bool grip)
{
    if (part < 0 || part >= int(rights.size())) return {};
    int end = grip ? client.right - gripWidth(client.height()) : client.right;
    auto edge = [&](int i) { return rights[std::size_t(i)] < 0 ? end : std::min(rights[std::size_t(i)], client.right); };
    int left = part == 0 ? client.left : edge(part - 1) + kGap;
    int right = edge(part);
    // The last part reaching the end stays clear of the grip; an earlier one may be wider than the bar.
    if (right < left) right = left;
    return {left, client.top + kTopBorder, right, client.bottom};
}

}  // namespace plat
