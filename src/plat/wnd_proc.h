#pragma once

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// A window procedure: a free function, or a function bound to an object. Two procedures are
// equal when they call the same thing, so a saved procedure can be recognised and put back.
struct WndProc {
    using Bound = LRESULT (*)(void* self, HWND, UINT, WPARAM, LPARAM);

    WNDPROC plain = nullptr;
    Bound bound = nullptr;
    void* self = nullptr;

    constexpr WndProc() = default;
    constexpr WndProc(WNDPROC fn) : plain(fn) {}  // NOLINT: a free function is a procedure
    constexpr WndProc(Bound fn, void* object) : bound(fn), self(object) {}

    explicit operator bool() const { return plain || bound; }
    LRESULT operator()(HWND h, UINT m, WPARAM w, LPARAM l) const
    {
        if (plain) return plain(h, m, w, l);
        if (bound) return bound(self, h, m, w, l);
        return 0;
    }
    friend bool operator==(const WndProc&, const WndProc&) = default;
};

// A procedure calling `Method` on `object`.
template <auto Method, class T>
WndProc BindWndProc(T* object)
{
    return WndProc(
        [](void* self, HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            return (static_cast<T*>(self)->*Method)(h, m, w, l);
        },
        object);
}

// Calls a saved procedure; a null one answers 0.
inline LRESULT CallWindowProc(const WndProc& proc, HWND h, UINT m, WPARAM w, LPARAM l) { return proc(h, m, w, l); }

// The default handling of every message.
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace plat
