#pragma once

#include "plat/handle.h"
#include "plat/messages.h"
#include "plat/types.h"

namespace plat {

struct HookTag;
using HHOOK = Handle<HookTag>;

// The thread's window-creation (CBT) hook: the last installed is called first and calls the
// next one through CallNextHookEx.
constexpr int WH_CBT = 5;
constexpr int HCBT_MOVESIZE = 0;
constexpr int HCBT_MINMAX = 1;
constexpr int HCBT_CREATEWND = 3;   // wParam: the window, lParam: CBT_CREATEWND*; non-zero refuses it
constexpr int HCBT_DESTROYWND = 4;  // wParam: the window
constexpr int HCBT_ACTIVATE = 5;    // wParam: the window, lParam: CBTACTIVATESTRUCT*; non-zero refuses
constexpr int HCBT_SYSCOMMAND = 8;
constexpr int HCBT_SETFOCUS = 9;    // wParam: gaining, lParam: losing window value; non-zero refuses

struct CBT_CREATEWND {
    CREATESTRUCT* lpcs = nullptr;
    HWND hwndInsertAfter;
};
struct CBTACTIVATESTRUCT {
    BOOL fMouse = 0;
    HWND hWndActive;
};

using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc);  // null for kinds other than WH_CBT
BOOL UnhookWindowsHookEx(HHOOK hook);
// Calls the hook installed before `hook`; 0 at the end of the chain.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

// Runs the chain from the last installed hook, as the window system does at the points the hooks
// watch; the first hook's answer (0 when none is installed).
LRESULT CallHooks(int code, WPARAM wParam, LPARAM lParam);

// A window's handle travels in wParam/lParam as its value.
inline HWND HwndFromParam(std::uint64_t v) { return HWND(v); }

}  // namespace plat
