#include <algorithm>
#include <cctype>

#include "plat/window/window_state.h"

namespace plat {

namespace {

std::string Key(std::string_view name)
{
    std::string k(name);
    std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return k;
}

}  // namespace

std::shared_ptr<WindowClass> FindClass(std::string_view name)
{
    auto it = State().classes.find(Key(name));
    return it == State().classes.end() ? nullptr : it->second;
}

ATOM RegisterClassEx(const WNDCLASSEX& wc)
{
    WindowState& s = State();
    if (wc.lpszClassName.empty() || wc.cbWndExtra < 0 || wc.cbWndExtra > 1024) return 0;
    std::string key = Key(wc.lpszClassName);
    if (s.classes.count(key)) return 0;
    auto cls = std::make_shared<WindowClass>();
    cls->info = wc;
    cls->atom = s.nextAtom++;
    s.classes[key] = cls;
    return cls->atom;
}

BOOL UnregisterClass(std::string_view name) { return State().classes.erase(Key(name)) ? TRUE : FALSE; }

BOOL GetClassInfoEx(std::string_view name, WNDCLASSEX* out)
{
    auto cls = FindClass(name);
    if (!cls) return FALSE;
    if (out) *out = cls->info;
    return TRUE;
}

std::string GetClassName(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w) return {};
    if (!w->cls) return "#32769";  // the desktop
    return w->cls->info.lpszClassName;
}

LONG_PTR GetClassLongPtr(HWND hwnd, int index)
{
    Window* w = Find(hwnd);
    if (!w || !w->cls) return 0;
    const WNDCLASSEX& c = w->cls->info;
    switch (index) {
    case GCL_STYLE: return LONG_PTR(c.style);
    case GCLP_HBRBACKGROUND: return LONG_PTR(c.hbrBackground.value);
    case GCLP_HCURSOR: return LONG_PTR(c.hCursor.value);
    case GCLP_HICON: return LONG_PTR(c.hIcon.value);
    case GCLP_HICONSM: return LONG_PTR(c.hIconSm.value);
    default: return 0;
    }
}

LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = Find(hwnd);
    if (!w || !w->cls) return 0;
    LONG_PTR old = GetClassLongPtr(hwnd, index);
    WNDCLASSEX& c = w->cls->info;
    switch (index) {
    case GCL_STYLE: c.style = UINT(value); break;
    case GCLP_HBRBACKGROUND: c.hbrBackground = HBRUSH(HGDIOBJ(std::uint64_t(value))); break;
    case GCLP_HCURSOR: c.hCursor = HCURSOR(std::uint64_t(value)); break;
    case GCLP_HICON: c.hIcon = HICON(HGDIOBJ(std::uint64_t(value))); break;
    case GCLP_HICONSM: c.hIconSm = HICON(HGDIOBJ(std::uint64_t(value))); break;
    default: return 0;
    }
    return old;
}

}  // namespace plat
