#include "plat/window_fixture.h"

#include <map>

namespace plat::testing {

namespace {

std::map<std::uint64_t, std::string>& Names()
{
    static std::map<std::uint64_t, std::string> names;
    return names;
}

LRESULT ProbeProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (const char* name = MessageName(m)) {
        auto it = Names().find(h.value);
        TheJournal().lines.push_back((it == Names().end() ? "?" : it->second) + ":" + name);
    }
    return DefWindowProc(h, m, w, l);
}

}  // namespace

Journal& TheJournal()
{
    static Journal journal;
    return journal;
}

std::string Journal::joined(const std::string& onlyPrefix) const
{
    std::string out;
    for (const std::string& l : lines) {
        if (!onlyPrefix.empty() && l.rfind(onlyPrefix, 0) != 0) continue;
        if (!out.empty()) out += ' ';
        out += l;
    }
    return out;
}

const char* MessageName(UINT m)
{
    switch (m) {
    case WM_NCCREATE: return "NCCREATE";
    case WM_NCCALCSIZE: return "NCCALCSIZE";
    case WM_CREATE: return "CREATE";
    case WM_SIZE: return "SIZE";
    case WM_MOVE: return "MOVE";
    case WM_PARENTNOTIFY: return "PARENTNOTIFY";
    case WM_SHOWWINDOW: return "SHOWWINDOW";
    case WM_ACTIVATEAPP: return "ACTIVATEAPP";
    case WM_NCACTIVATE: return "NCACTIVATE";
    case WM_ACTIVATE: return "ACTIVATE";
    case WM_SETFOCUS: return "SETFOCUS";
    case WM_KILLFOCUS: return "KILLFOCUS";
    case WM_DESTROY: return "DESTROY";
    case WM_NCDESTROY: return "NCDESTROY";
    case WM_PAINT: return "PAINT";
    case WM_LBUTTONDOWN: return "LBUTTONDOWN";
    case WM_LBUTTONUP: return "LBUTTONUP";
    case WM_LBUTTONDBLCLK: return "LBUTTONDBLCLK";
    case WM_MOUSELEAVE: return "MOUSELEAVE";
    case WM_NCMOUSELEAVE: return "NCMOUSELEAVE";
    case WM_CAPTURECHANGED: return "CAPTURECHANGED";
    case WM_TIMER: return "TIMER";
    case WM_KEYDOWN: return "KEYDOWN";
    case WM_CHAR: return "CHAR";
    case WM_MOUSEWHEEL: return "MOUSEWHEEL";
    case WM_ENABLE: return "ENABLE";
    default: return nullptr;
    }
}

void WindowDesktop::SetUp()
{
    TheJournal().clear();
    Names().clear();
    WNDCLASSEX wc;
    wc.lpfnWndProc = ProbeProc;
    wc.lpszClassName = "Probe";
    wc.style = CS_DBLCLKS;
    wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_WINDOW + 1));
    ASSERT_NE(RegisterClassEx(wc), 0);
}

HWND WindowDesktop::probe(const std::string& name, RECT r, HWND parent, DWORD style, int id)
{
    // The name is known before the first message arrives: creation hooks see the handle first.
    struct Naming {
        static LRESULT Hook(int code, WPARAM w, LPARAM l)
        {
            if (code == HCBT_CREATEWND) Names()[w] = pending();
            return CallNextHookEx(hook(), code, w, l);
        }
        static std::string& pending()
        {
            static std::string p;
            return p;
        }
        static HHOOK& hook()
        {
            static HHOOK h;
            return h;
        }
    };
    Naming::pending() = name;
    Naming::hook() = SetWindowsHookEx(WH_CBT, Naming::Hook);
    if (!style) style = parent ? (WS_CHILD | WS_VISIBLE) : (WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND h = CreateWindowEx(0, "Probe", name, style, r.left, r.top, r.width(), r.height(), parent, ChildId(id));
    UnhookWindowsHookEx(Naming::hook());
    return h;
}

}  // namespace plat::testing
