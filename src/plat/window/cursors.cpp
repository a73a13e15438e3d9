#include <algorithm>
#include <array>

#include "plat/input.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

// Standard cursors are handles whose value is their id; they are shared and never freed.
constexpr std::array kStandard{IDC_ARROW,    IDC_IBEAM,    IDC_WAIT,   IDC_CROSS, IDC_SIZENWSE, IDC_SIZENESW,
                               IDC_SIZEWE,   IDC_SIZENS,   IDC_SIZEALL, IDC_NO,   IDC_HAND};

}  // namespace

HCURSOR LoadCursor(int standardId)
{
    if (std::find(kStandard.begin(), kStandard.end(), standardId) == kStandard.end()) return {};
    return HCURSOR(std::uint64_t(standardId));
}

HCURSOR SetCursor(HCURSOR cursor)
{
    WindowState& s = State();
    HCURSOR old = s.cursor;
    s.cursor = cursor;
    if (old != cursor && s.backend) s.backend->setCursor(cursor);
    return old;
}

HCURSOR GetCursor() { return State().cursor; }

int StandardCursorId(HCURSOR cursor)
{
    if (cursor.value > 0xFFFF) return 0;
    int id = int(cursor.value);
    return std::find(kStandard.begin(), kStandard.end(), id) == kStandard.end() ? 0 : id;
}

}  // namespace plat
