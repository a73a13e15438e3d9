#include "plat/nonclient/scroll_state.h"

#include <algorithm>
#include <cstdint>

#include "plat/state/run_state.h"
#include "plat/window/window_data.h"

namespace plat {

namespace {

// What callers holding a handle whose window is gone read and write: a blank state each time.
struct StaleWindowState {
    NonClientState blank;
};

int MulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    if (c == 0) return 0;
    return int(a * b / c);
}

}  // namespace

NonClientState& NonClientStateOf(HWND hwnd)
{
    if (NonClientState* s = WindowData<NonClientState>(hwnd)) return *s;
    NonClientState& blank = RunPart<StaleWindowState>().blank;
    blank = {};
    return blank;
}

bool Scrollable(const ScrollBarState& s)
{
    std::int64_t range = std::int64_t(s.max) - s.min;
    return range > 0 && (s.page == 0 || std::int64_t(s.page) <= range);
}

ScrollGeometry GeometryFor(const ScrollBarState& s, int length, int arrowSize)
{
    ScrollGeometry g;
    g.arrow = 2 * arrowSize < length ? arrowSize : length / 2;
    g.track = std::max(0, length - 2 * g.arrow);
    if (2 * arrowSize >= length || (s.disabled == 3) || !Scrollable(s)) return g;
    std::int64_t range = std::int64_t(s.max) - s.min;
    int thumb = s.page == 0 ? arrowSize : std::max(MulDiv(s.page, g.track, range + 1), 8);
    if (thumb > g.track) return g;
    std::int64_t span = range - std::max<std::int64_t>(s.page, 1) + 1;
    int offset = span <= 0 ? 0 : MulDiv(std::int64_t(s.pos) - s.min, g.track - thumb, span);
    offset = std::clamp(offset, 0, g.track - thumb);
    g.thumbLength = thumb;
    g.thumbStart = g.arrow + offset;
    return g;
}

int PartAt(const ScrollGeometry& g, int length, int along)
{
    if (along < 0 || along >= length) return -1;
    if (along < g.arrow) return 0;
    if (along >= length - g.arrow) return 1;
    if (g.thumbLength == 0) return g.track > 0 ? -1 : -1;
    if (along < g.thumbStart) return 2;
    if (along < g.thumbStart + g.thumbLength) return 5;
    return 3;
}

int PositionForThumb(const ScrollBarState& s, const ScrollGeometry& g, int thumbStart)
{
    int free = g.track - g.thumbLength;
    int offset = std::clamp(thumbStart - g.arrow, 0, std::max(free, 0));
    std::int64_t range = std::int64_t(s.max) - s.min;
    std::int64_t span = range - std::max<std::int64_t>(s.page, 1) + 1;
    if (free <= 0 || span <= 0) return s.min;
    return s.min + MulDiv(offset, span, free);
}

}  // namespace plat
