#pragma once

#include "fw/controls/create_params.h"
#include "plat/wnd_proc.h"

namespace fw {

// The property by which a framework window names its control.
inline constexpr const char* kControlProperty = "FwControl";

// The procedure every framework class is registered with: it finds the window's control (or, for
// the first messages, the control whose window is being made) and hands it the message.
plat::LRESULT FrameworkClassProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);

// Registers params.WinClassName once, as a copy of params.PlatformClass when one is named, and
// returns the procedure the control's window falls back to. Raises base::Error when the platform
// class is unknown or the name belongs to a class that is not the framework's.
plat::WndProc RegisterFrameworkClass(const TCreateParams& params);

}  // namespace fw
