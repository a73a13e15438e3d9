#pragma once

#include <vector>

#include "plat/gdi/gdi_types.h"

namespace plat {

// Where the panels of a status bar go. `rights` are the right edges of the parts (-1: to the
// end); panels sit `kTopBorder` below the bar's top with `kGap` between them, and the size grip
// (when there is one) keeps the bottom-right square free.
struct StatusBarLayout {
    static constexpr int kTopBorder = 2;
    static constexpr int kGap = 2;
    static int gripWidth(int barHeight) { return barHeight; }
    static RECT partRect(const RECT& client, const std::vector<int>& rights, int part, bool grip);
    static RECT simpleRect(const RECT& client) { return {client.left, client.top + kTopBorder, client.right, client.bottom}; }
    static RECT gripRect(const RECT& client) { return {client.right - gripWidth(client.height()), client.top, client.right, client.bottom}; }
};

}  // namespace plat
