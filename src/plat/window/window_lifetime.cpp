#include <algorithm>
#include <exception>

#include "base/error.h"
#include "base/first_error.h"
#include "base/utf8.h"
#include "plat/hook.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/system/sys_metrics.h"
#include "plat/timer.h"
#include "plat/window/dc_registry.h"
#include "plat/window/modal_loop_events.h"
#include "plat/window/update_region.h"
#include "plat/window/window_limits.h"
#include "plat/window/window_state.h"
#include "plat/window/z_order.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

void NotifyParents(Window& w, WORD event)
{
    if (w.isTopLevel() || (w.exStyle & WS_EX_NOPARENTNOTIFY)) return;
    WPARAM wp = MAKEWPARAM(event, int(w.id));
    LPARAM lp = LPARAM(w.handle.value);
    for (Window* p = Find(w.parent); p && p->parent; p = Find(p->parent)) {
        SendMessage(p->handle, WM_PARENTNOTIFY, wp, lp);
        p = Find(p->handle);
        if (!p || p->isTopLevel() || (p->exStyle & WS_EX_NOPARENTNOTIFY)) break;
    }
}

// Takes a window out of every list; its handle is stale from here on.
void Unlink(Window& w)
{
    WindowState& s = State();
    HWND h = w.handle;
    std::erase_if(s.timers, [h](const TimerEntry& t) { return t.hwnd == h; });
    std::erase_if(s.posted, [h](const MSG& m) { return m.hwnd == h; });
    std::erase_if(s.input, [h](const MSG& m) { return m.hwnd == h; });
    if (Window* p = Find(w.parent)) std::erase(p->children, h);
    if (s.leave.hwnd == h) s.leave = {};
    if (s.lastClick.hwnd == h) s.lastClick = {};
    if (s.focus == h) s.focus = {};
    if (s.active == h) s.active = {};
    if (s.capture == h) {
        s.capture = {};
        ModalLoopsCaptureMoved({});
    }
    if (s.caret.owner == h) s.caret = {};
    bool topLevel = w.isTopLevel();
    w.alive = false;
    std::unique_ptr<WindowSlot> slot = s.windows.remove(h);
    if (topLevel && s.backend) s.backend->windowDestroyed(h);
    ModalLoopsWindowGone(h);
    // The object itself lives on while a dispatch to it is still running (the slot shares it).
}

// Destruction goes to its end whatever the handlers do: an exception from one of them waits in
// `error` until every window of the tree is gone.
void SendDestroy(HWND h, base::FirstError& error)
{
    error.run([h] { SendMessage(h, WM_DESTROY, 0, 0); });
    Window* w = Find(h);
    if (!w) return;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids)
        if (Window* cw = Find(c)) {
            cw->destroying = true;
            SendDestroy(c, error);
        }
}

void FreeTree(HWND h, base::FirstError& error)
{
    std::shared_ptr<Window> w = Hold(h);
    if (!w) return;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) FreeTree(c, error);
    error.run([h] { SendMessage(h, WM_NCDESTROY, 0, 0); });
    if (Find(h)) Unlink(*w);
}

bool InTree(HWND root, HWND h)
{
    return h && (h == root || IsChild(root, h));
}

// Where a top-level window goes when the caller leaves it to us.
void DefaultTopLevelPlace(int& x, int& y, int& cx, int& cy)
{
    RECT work = GetWorkArea();
    if (x == CW_USEDEFAULT) {
        x = work.left + 22;
        y = work.top + 22;
    }
    if (cx == CW_USEDEFAULT) {
        cx = work.width() * 3 / 4;
        cy = work.height() * 3 / 4;
    }
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, std::string_view className, std::string_view windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId, void* param)
{
    WindowState& s = State();
    if (!s.backend) throw base::Error("The window system has not been started");
    std::shared_ptr<WindowClass> cls = FindClass(className);
    if (!cls) return {};
    bool child = style & WS_CHILD;
    Window* parentWindow = parent ? Find(parent) : nullptr;
    if (parent && !parentWindow) return {};
    if (child && !parentWindow) return {};

    auto w = std::make_shared<Window>();
    w->cls = cls;
    w->proc = cls->info.lpfnWndProc;
    w->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    if (!(style & (WS_POPUP | WS_CHILD))) w->style |= WS_CLIPSIBLINGS | WS_CAPTION;
    w->exStyle = exStyle;
    w->text = base::toValidUtf8(windowName);  // the one rule for window texts, as SetWindowText
    w->extra.assign(std::size_t(cls->info.cbWndExtra), 0);
    if (child) {
        w->parent = parent;
        w->id = LONG_PTR(menuOrId.value);
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
    } else {
        w->parent = s.desktop;
        if (parentWindow) w->owner = GetAncestor(parent, GA_ROOT);
        DefaultTopLevelPlace(x, y, width, height);
    }
    w->rect = ClampWindowRect(x, y, width, height);
    w->client = w->rect;
    w->normalRect = w->rect;
    HWND hwnd = s.windows.add(std::make_unique<WindowSlot>(WindowSlot{w}));
    w->handle = hwnd;
    // Siblings keep the order they were made in (the first on top), which is also their tab order.
    InsertChild(*Find(w->parent), hwnd, child ? HWND_BOTTOM : HWND_TOP);
    if (!child) w->surface = std::make_unique<gfx::Bitmap>(w->rect.width(), w->rect.height(), 24);

    // A window whose making an exception cuts short is taken down again, for its maker never gets
    // the handle: before WM_NCCREATE it is only unlinked, after it freed as a refused one is, once
    // made destroyed.
    bool ncCreateSent = false;
    struct UndoOnException {
        HWND hwnd;
        const bool& ncCreateSent;
        int exceptionsBefore = std::uncaught_exceptions();
        ~UndoOnException()
        {
            if (std::uncaught_exceptions() <= exceptionsBefore) return;
            std::shared_ptr<Window> made = Hold(hwnd);
            if (!made) return;
            base::FirstError error;
            if (made->created) error.run([this] { DestroyWindow(hwnd); });
            else if (ncCreateSent) FreeTree(hwnd, error);
            else Unlink(*made);
        }
    } undo{hwnd, ncCreateSent};

    std::string nameCopy = w->text;
    std::string classCopy = cls->info.lpszClassName;
    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hMenu = menuOrId;
    cs.hwndParent = parent;
    cs.x = w->rect.left;
    cs.y = w->rect.top;
    cs.cx = w->rect.width();
    cs.cy = w->rect.height();
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.lpszName = nameCopy.c_str();
    cs.lpszClass = classCopy.c_str();

    CBT_CREATEWND cbt{&cs, child ? HWND_BOTTOM : HWND_TOP};
    if (CallHooks(HCBT_CREATEWND, WPARAM(hwnd.value), LPARAM(&cbt)) != 0) {
        Unlink(*w);
        return {};
    }
    if (!Find(hwnd)) return {};
    w->rect = ClampWindowRect(cs.x, cs.y, cs.cx, cs.cy);
    if (!child && (w->style & (WS_THICKFRAME | WS_CAPTION))) {
        MINMAXINFO mmi = DefaultMinMaxInfo(*w);
        SendMessage(hwnd, WM_GETMINMAXINFO, 0, LPARAM(&mmi));
        if (!Find(hwnd)) return {};
        w->rect.right = w->rect.left + std::min(w->rect.width(), std::max(mmi.ptMaxTrackSize.x, 0));
        w->rect.bottom = w->rect.top + std::min(w->rect.height(), std::max(mmi.ptMaxTrackSize.y, 0));
    }
    w->client = w->rect;
    w->normalRect = w->rect;
    if (w->surface && w->surface->size() != w->rect.size())
        *w->surface = gfx::Bitmap(w->rect.width(), w->rect.height(), 24);

    ncCreateSent = true;
    if (!SendMessage(hwnd, WM_NCCREATE, 0, LPARAM(&cs))) {
        base::FirstError error;
        if (Find(hwnd)) FreeTree(hwnd, error);
        error.rethrow();
        return {};
    }
    if (!Find(hwnd)) return {};
    w->created = true;
    RECT calc = w->rect;
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, LPARAM(&calc));
    if (!Find(hwnd)) return {};
    w->client = calc;
    if (SendMessage(hwnd, WM_CREATE, 0, LPARAM(&cs)) == -1) {
        DestroyWindow(hwnd);
        return {};
    }
    if (!Find(hwnd)) return {};
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->client.width(), w->client.height()));
    if (!Find(hwnd)) return {};
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
    if (!Find(hwnd)) return {};
    NotifyParents(*w, WORD(WM_CREATE));
    if (!Find(hwnd)) return {};
    InvalidateWhole(*w);
    if (w->isTopLevel() && s.backend) s.backend->windowCreated(hwnd, w->rect);

    if (style & WS_MINIMIZE)
        ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
    else if (style & WS_MAXIMIZE)
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    else if (style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return Find(hwnd) ? hwnd : HWND{};
}

BOOL DestroyWindow(HWND hwnd)
{
    WindowState& s = State();
    std::shared_ptr<Window> w = Hold(hwnd);
    if (!w || hwnd == s.desktop || w->destroying) return FALSE;
    if (CallHooks(HCBT_DESTROYWND, WPARAM(hwnd.value), 0) != 0) return FALSE;
    if (!Find(hwnd)) return FALSE;
    w->destroying = true;

    base::FirstError error;
    if (Window* d = Find(s.desktop)) {
        std::vector<HWND> owned;
        for (HWND h : d->children)
            if (Window* o = Find(h); o && o->owner == hwnd) owned.push_back(h);
        for (HWND h : owned) error.run([h] { DestroyWindow(h); });
    }
    if (Find(hwnd)) error.run([&] { NotifyParents(*w, WORD(WM_DESTROY)); });
    if (Find(hwnd) && (w->style & WS_VISIBLE))
        error.run([hwnd] {
            SetWindowPos(hwnd, {}, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        });
    if (Find(hwnd)) {
        if (InTree(hwnd, s.focus)) error.run([] { SetFocus({}); });
        if (InTree(hwnd, s.capture)) error.run([] { ReleaseCapture(); });
        if (InTree(hwnd, s.caret.owner)) error.run([] { DestroyCaret(); });
        if (s.active == hwnd) s.active = {};
        SendDestroy(hwnd, error);
        FreeTree(hwnd, error);
    }
    RefreshWindowDCs();
    error.rethrow();
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return Find(hwnd) ? TRUE : FALSE; }

}  // namespace plat
