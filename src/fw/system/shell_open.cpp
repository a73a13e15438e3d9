#include "fw/system/shell_open.h"

#include "plat/services/shell_open.h"

namespace fw {

std::intptr_t ShellOpen(plat::HWND owner, std::string_view target, int showCommand)
{
    return plat::ShellExecute(owner, "open", target, {}, {}, showCommand);
}

}  // namespace fw
