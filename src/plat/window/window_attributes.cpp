#include <cstring>

#include "base/utf8.h"
#include "plat/message_queue.h"
#include "plat/window/window_state.h"

namespace plat {

WndProc GetWindowProc(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w ? w->proc : WndProc{};
}

WndProc SetWindowProc(HWND hwnd, const WndProc& proc)
{
    Window* w = Find(hwnd);
    if (!w) return {};
    WndProc old = w->proc;
    w->proc = proc;
    return old;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    Window* w = Find(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE: return LONG_PTR(w->style);
    case GWL_EXSTYLE: return LONG_PTR(w->exStyle);
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    case GWLP_HWNDPARENT: return LONG_PTR((w->isTopLevel() ? w->owner : w->parent).value);
    default:
        if (index >= 0 && std::size_t(index) + sizeof(LONG_PTR) <= w->extra.size()) {
            LONG_PTR v;
            std::memcpy(&v, w->extra.data() + index, sizeof v);
            return v;
        }
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = Find(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        STYLESTRUCT ss{DWORD(old), DWORD(value)};
        WPARAM which = WPARAM(index);
        SendMessage(hwnd, WM_STYLECHANGING, which, LPARAM(&ss));
        if (!(w = Find(hwnd))) return 0;
        if (index == GWL_STYLE)
            w->style = ss.styleNew;
        else
            w->exStyle = ss.styleNew;
        SendMessage(hwnd, WM_STYLECHANGED, which, LPARAM(&ss));
        return old;
    }
    case GWLP_ID: w->id = value; return old;
    case GWLP_USERDATA: w->userData = value; return old;
    case GWLP_HWNDPARENT:
        if (w->isTopLevel()) w->owner = HWND(std::uint64_t(value));
        return old;
    default:
        if (index >= 0 && std::size_t(index) + sizeof(LONG_PTR) <= w->extra.size()) {
            std::memcpy(w->extra.data() + index, &value, sizeof value);
            return old;
        }
        return 0;
    }
}

BOOL SetWindowText(HWND hwnd, std::string_view text)
{
    if (!Find(hwnd)) return FALSE;
    // Every class stores what it is given: damaged UTF-8 becomes U+FFFD here, for all of them alike.
    std::string copy = base::toValidUtf8(text);
    return SendMessage(hwnd, WM_SETTEXT, 0, LPARAM(copy.c_str())) ? TRUE : FALSE;
}

int GetWindowTextLength(HWND hwnd)
{
    if (!Find(hwnd)) return 0;
    return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

std::string GetWindowText(HWND hwnd)
{
    int length = GetWindowTextLength(hwnd);
    if (length <= 0) return {};
    std::string buffer(std::size_t(length) + 1, '\0');
    LRESULT got = SendMessage(hwnd, WM_GETTEXT, WPARAM(buffer.size()), LPARAM(buffer.data()));
    buffer.resize(std::size_t(std::clamp<LRESULT>(got, 0, length)));
    return buffer;
}

BOOL SetProp(HWND hwnd, std::string_view name, HANDLE value)
{
    Window* w = Find(hwnd);
    if (!w || name.empty()) return FALSE;
    auto it = w->props.find(name);
    if (it != w->props.end())
        it->second = value;
    else
        w->props.emplace(std::string(name), value);
    return TRUE;
}

HANDLE GetProp(HWND hwnd, std::string_view name)
{
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemoveProp(HWND hwnd, std::string_view name)
{
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end()) return nullptr;
    HANDLE v = it->second;
    w->props.erase(it);
    return v;
}

}  // namespace plat
