#pragma once

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Window timers on the backend's clock. A due timer makes one WM_TIMER (wParam: id) when the
// queue is otherwise empty and is then due again one interval later; due timers fire in the
// order of their due times. Setting an existing id again restarts it.
using TIMERPROC = void (*)(HWND, UINT, std::uintptr_t id, DWORD time);
std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT intervalMs, TIMERPROC proc = nullptr);
BOOL KillTimer(HWND hwnd, std::uintptr_t id);

}  // namespace plat
