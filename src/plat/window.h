#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/messages.h"
#include "plat/types.h"
#include "plat/window_styles.h"
#include "plat/wnd_proc.h"

namespace plat {

using ATOM = WORD;
using LONG_PTR = std::intptr_t;
using HANDLE = void*;

// Window classes, by name (names compare without regard to ASCII case).
struct WNDCLASSEX {
    UINT style = 0;
    WndProc lpfnWndProc;
    int cbClsExtra = 0;
    int cbWndExtra = 0;  // bytes reached by Get/SetWindowLongPtr with indexes >= 0
    HICON hIcon;
    HCURSOR hCursor;
    // A brush, or a system colour index + 1 (HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1))).
    HBRUSH hbrBackground;
    std::string lpszMenuName;
    std::string lpszClassName;
    HICON hIconSm;
};
ATOM RegisterClassEx(const WNDCLASSEX& wc);  // 0 when the name is taken or empty
BOOL UnregisterClass(std::string_view name);
BOOL GetClassInfoEx(std::string_view name, WNDCLASSEX* out);
std::string GetClassName(HWND hwnd);

constexpr int GCL_STYLE = -26;
constexpr int GCLP_HBRBACKGROUND = -10;
constexpr int GCLP_HCURSOR = -12;
constexpr int GCLP_HICON = -14;
constexpr int GCLP_HICONSM = -34;
LONG_PTR GetClassLongPtr(HWND hwnd, int index);
LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value);  // the previous value

// Creating and destroying. Creation sends WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE
// and the parent's WM_PARENTNOTIFY; a null handle when the class is unknown or the window refuses.
// For a child window `menuOrId` is its id. Positions of children are in the parent's client area.
HWND CreateWindowEx(DWORD exStyle, std::string_view className, std::string_view windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId = {}, void* param = nullptr);
inline HMENU ChildId(int id) { return HMENU(std::uint64_t(unsigned(id))); }
// Sends WM_DESTROY to the window and then its children, WM_NCDESTROY last; owned windows go first.
// Safe inside the window's own messages: the handle is stale from the moment destruction ends.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// Procedures: SetWindowProc returns the previous one.
WndProc GetWindowProc(HWND hwnd);
WndProc SetWindowProc(HWND hwnd, const WndProc& proc);

// Window longs: styles, id, user data and the class's extra bytes.
constexpr int GWLP_HWNDPARENT = -8;  // reads the owner (or parent); writing changes the owner
constexpr int GWLP_ID = -12;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWLP_USERDATA = -21;
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// Changing GWL_STYLE / GWL_EXSTYLE sends WM_STYLECHANGING and WM_STYLECHANGED; frames are
// recalculated only by SetWindowPos(SWP_FRAMECHANGED), as usual.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
inline DWORD GetWindowStyle(HWND h) { return DWORD(GetWindowLongPtr(h, GWL_STYLE)); }
inline DWORD GetWindowExStyle(HWND h) { return DWORD(GetWindowLongPtr(h, GWL_EXSTYLE)); }

// Text (UTF-8) through WM_SETTEXT / WM_GETTEXT.
BOOL SetWindowText(HWND hwnd, std::string_view text);
std::string GetWindowText(HWND hwnd);
int GetWindowTextLength(HWND hwnd);

// Properties by name (case-sensitive).
BOOL SetProp(HWND hwnd, std::string_view name, HANDLE value);
HANDLE GetProp(HWND hwnd, std::string_view name);
HANDLE RemoveProp(HWND hwnd, std::string_view name);  // the old value

// Family. Children are kept in z-order, topmost first.
constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetParent(HWND hwnd);  // the parent of a child, the owner of a top-level window
HWND SetParent(HWND child, HWND newParent);  // the old parent
constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;
constexpr UINT GA_ROOTOWNER = 3;
HWND GetAncestor(HWND hwnd, UINT kind);
HWND GetTopWindow(HWND parent);  // null: the topmost top-level window
BOOL IsChild(HWND parent, HWND hwnd);  // any depth
HWND GetDesktopWindow();
// Children at every depth, parents before children; stops when f answers false.
void EnumChildWindows(HWND parent, const std::function<bool(HWND)>& f);
// Top-level windows, topmost first.
void EnumWindows(const std::function<bool(HWND)>& f);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);
HWND FindWindow(std::string_view className, std::string_view windowName);  // empty: any

}  // namespace plat
