#include "plat/controls/edit_clipboard.h"

#include "plat/services/clipboard.h"

namespace plat {

bool PutEditTextOnClipboard(HWND owner, std::string_view utf8)
{
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool ok = bool(SetClipboardText(std::string(utf8)));
    CloseClipboard();
    return ok;
}

std::optional<std::string> TakeEditTextFromClipboard(HWND owner)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
    if (!OpenClipboard(owner)) return std::nullopt;
    std::optional<std::string> text = GetClipboardText();
    CloseClipboard();
    return text;
}

}  // namespace plat
