#pragma once

#include "plat/backend/backend.h"

namespace plat {

// The window system runs on one thread over one backend. Starting creates the desktop window;
// stopping destroys every window, class, timer, hook and queued message, and every handle, handler
// and setting of the run with them: nothing made before a start (drawing objects, menus, cursors)
// is valid after it. The backend stays the caller's and must outlive the window system.
void StartWindowSystem(Backend& backend);
void StopWindowSystem();
bool WindowSystemRunning();
Backend& CurrentBackend();  // throws base::Error when not started

}  // namespace plat
