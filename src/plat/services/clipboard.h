#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// The clipboard: one set of formats at a time, each a block of bytes. Text formats hold UTF-8
// (no terminating zero); CF_TEXT and CF_UNICODETEXT stand for each other. Writing needs the
// clipboard opened with OpenClipboard and emptied first; reading works either way.
constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;

BOOL OpenClipboard(HWND owner);  // FALSE while it is open already
BOOL CloseClipboard();
BOOL EmptyClipboard();           // makes the opener the owner
HWND GetClipboardOwner();

// Names compare without regard to ASCII case; the same name always gives the same id
// (0xC000 and up). 0 for an empty name or when the table is full.
UINT RegisterClipboardFormat(std::string_view name);
std::string GetClipboardFormatName(UINT format);  // empty for standard or unknown formats

BOOL SetClipboardData(UINT format, std::vector<std::uint8_t> bytes);
std::optional<std::vector<std::uint8_t>> GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();

BOOL SetClipboardText(std::string utf8);  // CF_UNICODETEXT
std::optional<std::string> GetClipboardText();

// Where the text goes on a real desktop: the SDL backend plugs the system clipboard in here.
// Other formats stay in the process.
struct ClipboardBackend {
    std::function<void(const std::string&)> setText;
    std::function<std::optional<std::string>()> getText;
};
// An empty one puts the private store back; so does the end of the window system's run.
void SetClipboardBackend(ClipboardBackend backend);

}  // namespace plat
