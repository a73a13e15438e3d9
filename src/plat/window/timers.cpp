#include "plat/window/timers.h"

#include <algorithm>

#include "plat/timer.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

std::uint64_t Now() { return State().backend ? State().backend->now() : 0; }

}  // namespace

std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT intervalMs, TIMERPROC proc)
{
    WindowState& s = State();
    if (hwnd && !Find(hwnd)) return 0;
    if (!hwnd) {
        if (!proc && !id) return 0;
        auto it = std::find_if(s.timers.begin(), s.timers.end(),
                               [&](const TimerEntry& t) { return !t.hwnd && t.id == id; });
        if (!id || it == s.timers.end()) id = s.nextThreadTimerId++;
    }
    UINT interval = std::max<UINT>(intervalMs, 1);
    std::uint64_t due = Now() + interval;
    for (TimerEntry& t : s.timers)
        if (t.hwnd == hwnd && t.id == id) {
            t.interval = interval;
            t.due = due;
            t.proc = proc;
            t.order = s.timerOrder++;
            return hwnd ? 1 : id;
        }
    s.timers.push_back({hwnd, id, interval, due, s.timerOrder++, proc});
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, std::uintptr_t id)
{
    auto& timers = State().timers;
    auto n = std::erase_if(timers, [&](const TimerEntry& t) { return t.hwnd == hwnd && t.id == id; });
    return n ? TRUE : FALSE;
}

std::optional<std::uint64_t> NextTimerDue()
{
    std::optional<std::uint64_t> best;
    for (const TimerEntry& t : State().timers)
        if (!best || t.due < *best) best = t.due;
    return best;
}

bool TakeDueTimer(MSG* msg, HWND filter, bool remove)
{
    WindowState& s = State();
    std::uint64_t now = Now();
    TimerEntry* pick = nullptr;
    for (TimerEntry& t : s.timers) {
        if (t.due > now) continue;
        if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd)) continue;
        if (!pick || t.due < pick->due || (t.due == pick->due && t.order < pick->order)) pick = &t;
    }
    if (!pick) return false;
    msg->hwnd = pick->hwnd;
    msg->message = WM_TIMER;
    msg->wParam = WPARAM(pick->id);
    msg->lParam = 0;
    msg->time = DWORD(now);
    msg->pt = s.cursorPos;
    if (remove) {
        pick->due = now + pick->interval;
        pick->order = s.timerOrder++;
    }
    return true;
}

bool RunTimerProc(const MSG& msg)
{
    for (const TimerEntry& t : State().timers)
        if (t.hwnd == msg.hwnd && t.id == msg.wParam && t.proc) {
            TIMERPROC proc = t.proc;
            proc(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
            return true;
        }
    return false;
}

}  // namespace plat
