#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/region.h"
#include "plat/state/part_store.h"
#include "plat/window.h"

namespace plat {

struct WindowClass {
    WNDCLASSEX info;
    ATOM atom = 0;
};

// One window. Rectangles are in the parent's client coordinates (the screen for top-level
// windows); the client rectangle is in the same coordinates as the window rectangle.
struct Window {
    HWND handle;
    std::shared_ptr<WindowClass> cls;
    WndProc proc;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent;  // the desktop for top-level windows, null for the desktop itself
    HWND owner;
    std::vector<HWND> children;  // topmost first
    RECT rect;
    RECT client;
    RECT normalRect;  // where restore puts a minimised or maximised window
    bool restoreToMaximized = false;
    std::string text;
    std::map<std::string, HANDLE, std::less<>> props;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    std::vector<std::uint8_t> extra;
    HICON iconBig, iconSmall;
    HWND lastFocus;  // top-level windows: where focus goes back on activation

    std::optional<gfx::Region> shape;  // window coordinates
    gfx::Region update;                // window coordinates, frame included
    bool erase = false;
    bool ncPaint = false;
    bool internalPaint = false;
    bool redraw = true;  // WM_SETREDRAW

    bool created = false;     // WM_NCCREATE has been answered
    bool destroying = false;
    bool alive = true;

    // Top-level windows draw into their own surface, the size of the window rectangle.
    std::unique_ptr<gfx::Bitmap> surface;

    // What the parts above the core keep for this window (frame state, dialog state, ...).
    PartStore data;

    bool isTopLevel() const;  // a child of the desktop
    gfx::Point clientOffset() const { return {client.left - rect.left, client.top - rect.top}; }
    RECT windowBox() const { return {0, 0, rect.width(), rect.height()}; }  // window coordinates
    RECT clientBox() const { return client.offset(-rect.left, -rect.top); }  // window coordinates
};

}  // namespace plat
