#include "plat/message_queue.h"

#include <algorithm>

#include "base/error.h"
#include "plat/virtual_keys.h"
#include "plat/window/input_routing.h"
#include "plat/window/timers.h"
#include "plat/window/update_region.h"
#include "plat/window/window_state.h"

namespace plat {

namespace {

bool Matches(const MSG& m, HWND filter, UINT min, UINT max)
{
    if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd)) return false;
    if (min == 0 && max == 0) return true;
    return m.message >= min && m.message <= max;
}

bool InRange(UINT message, UINT min, UINT max) { return (min == 0 && max == 0) || (message >= min && message <= max); }

bool TakeFrom(std::deque<MSG>& queue, MSG* msg, HWND filter, UINT min, UINT max, bool remove)
{
    auto it = std::find_if(queue.begin(), queue.end(), [&](const MSG& m) { return Matches(m, filter, min, max); });
    if (it == queue.end()) return false;
    *msg = *it;
    if (remove) queue.erase(it);
    return true;
}

// One look at everything queued, in the loop's order; no waiting. Raw input is routed only when
// nothing before it is queued, one event at a time.
bool LookOnce(MSG* msg, HWND filter, UINT min, UINT max, bool remove)
{
    WindowState& s = State();
    for (;;) {
        if (TakeFrom(s.posted, msg, filter, min, max, remove)) return true;
        if (s.quitPosted && InRange(WM_QUIT, min, max)) {
            *msg = StampedMessage({}, WM_QUIT, WPARAM(s.quitCode), 0);
            if (remove) s.quitPosted = false;
            return true;
        }
        if (TakeFrom(s.input, msg, filter, min, max, remove)) return true;
        if (!RouteNextRawInput()) break;
    }
    if (InRange(WM_PAINT, min, max)) {
        if (HWND h = FindWindowToPaint(filter)) {
            *msg = StampedMessage(h, WM_PAINT, 0, 0);
            return true;
        }
    }
    if (InRange(WM_TIMER, min, max) && TakeDueTimer(msg, filter, remove)) return true;
    return false;
}

std::uint64_t TimeToNextTimer()
{
    std::optional<std::uint64_t> due = NextTimerDue();
    if (!due) return ~std::uint64_t(0);
    std::uint64_t now = GetTickCount();
    return *due > now ? *due - now : 0;
}

}  // namespace

MSG StampedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG m;
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    m.pt = State().cursorPos;
    return m;
}

void QueueInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    State().input.push_back(StampedMessage(hwnd, message, wParam, lParam));
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallProc(hwnd, message, wParam, lParam);
}

void BroadcastMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    std::vector<HWND> tops;
    EnumWindows([&](HWND h) {
        tops.push_back(h);
        return true;
    });
    for (HWND h : tops) SendMessage(h, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !Find(hwnd)) return FALSE;
    if (!StateRunning()) return FALSE;
    State().posted.push_back(StampedMessage(hwnd, message, wParam, lParam));
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    State().quitPosted = true;
    State().quitCode = exitCode;
}

BOOL PeekMessage(MSG* msg, HWND filterWindow, UINT min, UINT max, UINT remove)
{
    if (!msg || !StateRunning()) return FALSE;
    bool take = remove & PM_REMOVE;
    if (LookOnce(msg, filterWindow, min, max, take)) return TRUE;
    // Nothing queued: let the backend deliver what input it has, then look again.
    if (State().backend->waitForEvents(0) == Backend::Wait::Events)
        return LookOnce(msg, filterWindow, min, max, take) ? TRUE : FALSE;
    return FALSE;
}

BOOL GetMessage(MSG* msg, HWND filterWindow, UINT min, UINT max)
{
    if (!msg) return FALSE;
    if (!StateRunning()) throw base::Error("The window system has not been started");
    for (;;) {
        if (LookOnce(msg, filterWindow, min, max, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
        Backend::Wait w = State().backend->waitForEvents(TimeToNextTimer());
        // Input and time come only from the backend; when it has no more of either, waiting would never end.
        if (w == Backend::Wait::NoMoreInput && !LookOnce(msg, filterWindow, min, max, false))
            throw base::Error("The message loop waits for input that can never come");
    }
}

BOOL WaitMessage(DWORD timeoutMs)
{
    if (!StateRunning()) return FALSE;
    MSG m;
    if (LookOnce(&m, {}, 0, 0, false)) return TRUE;
    std::uint64_t timeout = std::min<std::uint64_t>(timeoutMs == 0xFFFFFFFF ? ~std::uint64_t(0) : timeoutMs,
                                                    TimeToNextTimer());
    State().backend->waitForEvents(timeout);
    return LookOnce(&m, {}, 0, 0, false) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    // Printable text arrives from the backend as characters of its own (keyboard layouts and input
    // methods are the desktop's business); keys make only control characters and Alt shortcuts.
    WindowState& s = State();
    bool ctrl = s.keys[VK_CONTROL] & 0x80;
    bool shift = s.keys[VK_SHIFT] & 0x80;
    UINT vk = UINT(msg->wParam);
    char32_t c = 0;
    if (vk == VK_RETURN) c = '\r';
    else if (vk == VK_BACK) c = ctrl ? 0x7F : 0x08;
    else if (vk == VK_TAB && !ctrl) c = '\t';
    else if (vk == VK_ESCAPE) c = 0x1B;
    else if (ctrl && vk >= 'A' && vk <= 'Z' && msg->message == WM_KEYDOWN) c = char32_t(vk - 'A' + 1);
    else if (msg->message == WM_SYSKEYDOWN && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
        c = char32_t(shift || vk < 'A' ? vk : vk + ('a' - 'A'));
    else if (msg->message == WM_SYSKEYDOWN && vk == VK_SPACE) c = ' ';
    if (!c) return FALSE;
    MSG ch = *msg;
    ch.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    ch.wParam = WPARAM(c);
    s.posted.push_front(ch);
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg)
{
    if (!msg) return 0;
    WindowState& s = State();
    MSG saved = s.current;
    s.current = *msg;
    struct Restore {
        MSG& slot;
        MSG value;
        ~Restore() { slot = value; }
    } restore{s.current, saved};
    if (msg->message == WM_TIMER && RunTimerProc(*msg)) return 0;
    if (!msg->hwnd) return 0;
    if (msg->message == WM_PAINT) {
        PaintWindowNow(msg->hwnd);
        return 0;
    }
    return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return int(msg.wParam);
}

BOOL InSendMessage() { return FALSE; }  // one thread: no message comes from another
DWORD GetMessageTime() { return State().current.time; }
POINT GetMessagePos() { return State().current.pt; }
DWORD GetTickCount() { return State().backend ? DWORD(State().backend->now()) : 0; }

}  // namespace plat
