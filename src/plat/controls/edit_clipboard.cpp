#include "plat/controls/edit_clipboard.h"

#if __has_include("plat/services/clipboard.h")
#include "plat/services/clipboard.h"
#define SENTAVIA_EDIT_HAS_CLIPBOARD 1
#endif

namespace plat {

#ifdef SENTAVIA_EDIT_HAS_CLIPBOARD

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

#else

// Until the system clipboard service is in the build, edits share one text in the process.
namespace {
std::optional<std::string>& privateClipboard()
{
    static std::optional<std::string> text;
    return text;
}
}  // namespace

bool PutEditTextOnClipboard(HWND, std::string_view utf8)
{
    privateClipboard() = std::string(utf8);
    return true;
}

std::optional<std::string> TakeEditTextFromClipboard(HWND) { return privateClipboard(); }

#endif

}  // namespace plat
