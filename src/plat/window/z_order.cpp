#include "plat/window/z_order.h"

#include <algorithm>

#include "plat/window/window_state.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

bool Topmost(HWND h)
{
    Window* w = Find(h);
    return w && (w->exStyle & WS_EX_TOPMOST);
}

// Moves windows owned by `owner` (directly or not) just above it, keeping their order.
void LiftOwned(std::vector<HWND>& list, HWND owner)
{
    auto ownerPos = std::find(list.begin(), list.end(), owner);
    if (ownerPos == list.end()) return;
    std::vector<HWND> owned;
    for (std::size_t i = std::size_t(ownerPos - list.begin()) + 1; i < list.size(); ++i) {
        Window* w = Find(list[i]);
        for (Window* o = w; o && o->owner; o = Find(o->owner))
            if (o->owner == owner) {
                owned.push_back(list[i]);
                break;
            }
    }
    if (owned.empty()) return;
    std::erase_if(list, [&](HWND h) { return std::find(owned.begin(), owned.end(), h) != owned.end(); });
    ownerPos = std::find(list.begin(), list.end(), owner);
    list.insert(ownerPos, owned.begin(), owned.end());
}

}  // namespace

bool InsertChild(Window& parent, HWND child, HWND insertAfter)
{
    std::vector<HWND>& list = parent.children;
    std::vector<HWND> before = list;
    std::erase(list, child);
    bool topLevel = !parent.parent;
    Window* cw = Find(child);
    if (topLevel && cw) {
        if (insertAfter == HWND_TOPMOST) cw->exStyle |= WS_EX_TOPMOST;
        if (insertAfter == HWND_NOTOPMOST) cw->exStyle &= ~WS_EX_TOPMOST;
    }
    bool topmost = topLevel && Topmost(child);
    // The first position the window may take and the one past the last.
    std::size_t first = 0, last = list.size();
    if (topLevel) {
        std::size_t split = 0;
        while (split < list.size() && Topmost(list[split])) ++split;
        if (topmost)
            last = split;
        else
            first = split;
    }
    std::size_t pos;
    if (insertAfter == HWND_BOTTOM)
        pos = last;
    else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)
        pos = first;
    else {
        auto it = std::find(list.begin(), list.end(), insertAfter);
        pos = it == list.end() ? first : std::size_t(it - list.begin()) + 1;
    }
    pos = std::clamp(pos, first, last);
    list.insert(list.begin() + std::ptrdiff_t(pos), child);
    if (topLevel) LiftOwned(list, child);
    return list != before;
}

}  // namespace plat
