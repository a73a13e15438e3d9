#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// Hands a URL or a file to the desktop's opener (xdg-open), started without a shell and never
// waited for. Failures are silent: the answer only says whether the request was handed on.
// Empty targets, targets starting with '-' (they would read as options) and control
// characters are refused.
BOOL ShellOpen(std::string_view target);

// The classic form: only the "open" verb (or an empty one) is known; parameters, directory and
// show command are ignored. Above 32 when handed on, as classic; 2 (file not found) otherwise.
std::intptr_t ShellExecute(HWND owner, std::string_view verb, std::string_view file, std::string_view parameters = {},
                           std::string_view directory = {}, int showCommand = 1);

// Tests watch requests here instead of launching anything; the hook's answer is ShellOpen's.
// An empty function puts the real opener back; so does the end of the window system's run.
using ShellOpenHook = std::function<bool(const std::string& target)>;
void SetShellOpenHook(ShellOpenHook hook);

}  // namespace plat
