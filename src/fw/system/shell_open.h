#pragma once

#include <cstdint>
#include <string_view>

#include "plat/handle.h"

namespace fw {

// Asks the desktop to open a document or web address, as a link does when clicked: the shell's
// execute call with the owner window, the verb "open", the target, no parameters, no folder
// and the show command. Above 32 when the request was handed on; nothing is reported to the
// user when it was not (an empty target, one starting with "-" or holding control characters
// is never handed on).
std::intptr_t ShellOpen(plat::HWND owner, std::string_view target, int showCommand);

}  // namespace fw
