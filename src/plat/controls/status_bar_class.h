#pragma once

#include <string>

#include "plat/handle.h"

namespace plat {

// The "msctls_statusbar32" class: one simple text or a row of panels (status_bar_messages.h).
// The bar keeps itself at the bottom of its parent on every WM_SIZE it gets (the parent
// forwards its own), unless CCS_NORESIZE / CCS_NOPARENTALIGN ask otherwise.
inline constexpr const char* kStatusBarClassName = "msctls_statusbar32";
void RegisterStatusBarClass();

// A part's text without a caller buffer (SB_SIMPLEID: the simple-mode text).
std::string StatusBarText(HWND bar, int part);

}  // namespace plat
