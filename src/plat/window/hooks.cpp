#include <algorithm>

#include "plat/hook.h"
#include "plat/window/window_state.h"

namespace plat {

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc)
{
    if (idHook != WH_CBT || !proc) return {};
    WindowState& s = State();
    HHOOK h(s.nextHook++);
    s.hooks.insert(s.hooks.begin(), HookEntry{h, proc});
    return h;
}

BOOL UnhookWindowsHookEx(HHOOK hook)
{
    return std::erase_if(State().hooks, [&](const HookEntry& e) { return e.handle == hook; }) ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    // Copy: a hook may remove itself or others while running.
    std::vector<HookEntry> chain = State().hooks;
    auto it = std::find_if(chain.begin(), chain.end(), [&](const HookEntry& e) { return e.handle == hook; });
    if (it == chain.end() || ++it == chain.end()) return 0;
    return it->proc(code, wParam, lParam);
}

LRESULT CallHooks(int code, WPARAM wParam, LPARAM lParam)
{
    std::vector<HookEntry>& hooks = State().hooks;
    if (hooks.empty()) return 0;
    HOOKPROC first = hooks.front().proc;
    return first(code, wParam, lParam);
}

}  // namespace plat
