#pragma once

#include <cstdint>
#include <functional>

namespace plat {

// An opaque handle: a slot index and the generation of the slot when the handle was made.
// A handle whose object is gone keeps its old generation, so it is detected as stale instead
// of reaching whatever reuses the slot. The value 0 is the null handle.
template <class Tag>
struct Handle {
    std::uint64_t value = 0;

    constexpr Handle() = default;
    constexpr explicit Handle(std::uint64_t v) : value(v) {}
    constexpr explicit operator bool() const { return value != 0; }
    constexpr std::uint32_t index() const { return std::uint32_t(value & 0xFFFFFFFFu); }
    constexpr std::uint32_t generation() const { return std::uint32_t(value >> 32); }
    static constexpr Handle make(std::uint32_t index, std::uint32_t generation)
    {
        return Handle((std::uint64_t(generation) << 32) | index);
    }
    friend constexpr bool operator==(Handle, Handle) = default;
    friend constexpr auto operator<=>(Handle, Handle) = default;
};

struct WindowTag;
struct DcTag;
struct GdiObjectTag;
struct MenuTag;
struct CursorTag;

using HWND = Handle<WindowTag>;
using HDC = Handle<DcTag>;
using HMENU = Handle<MenuTag>;
using HCURSOR = Handle<CursorTag>;

// Drawing objects share one table, so any of them can be selected or deleted through the
// generic handle; the typed handles convert to it and back (a wrong kind is caught at use).
using HGDIOBJ = Handle<GdiObjectTag>;
template <class Kind>
struct GdiHandle : HGDIOBJ {
    constexpr GdiHandle() = default;
    constexpr explicit GdiHandle(HGDIOBJ h) : HGDIOBJ(h) {}
};
struct BitmapKind;
struct FontKind;
struct BrushKind;
struct PenKind;
struct RegionKind;
struct IconKind;
using HBITMAP = GdiHandle<BitmapKind>;
using HFONT = GdiHandle<FontKind>;
using HBRUSH = GdiHandle<BrushKind>;
using HPEN = GdiHandle<PenKind>;
using HRGN = GdiHandle<RegionKind>;
using HICON = GdiHandle<IconKind>;

}  // namespace plat

template <class Tag>
struct std::hash<plat::Handle<Tag>> {
    std::size_t operator()(plat::Handle<Tag> h) const noexcept { return std::hash<std::uint64_t>()(h.value); }
};
