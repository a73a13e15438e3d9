#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plat/handle.h"

namespace plat {

// The edit's two uses of the clipboard: put Unicode text there, read it back.
bool PutEditTextOnClipboard(HWND owner, std::string_view utf8);
std::optional<std::string> TakeEditTextFromClipboard(HWND owner);

}  // namespace plat
