#include "plat/services/clipboard.h"

#include <algorithm>
#include <map>

#include "plat/state/run_state.h"

namespace plat {

namespace {

constexpr UINT kFirstRegistered = 0xC000;
constexpr std::size_t kMaxRegistered = 0x3FFF;  // ids stay below 0x10000
constexpr std::size_t kMaxNameBytes = 255;

struct Clipboard {
    bool open = false;
    HWND opener, owner;
    std::map<UINT, std::vector<std::uint8_t>> formats;
    std::vector<std::string> registered;  // id = kFirstRegistered + index
    ClipboardBackend backend;
};

Clipboard& Board() { return RunPart<Clipboard>(); }

bool IsText(UINT f) { return f == CF_TEXT || f == CF_UNICODETEXT; }

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto low = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return low(x) == low(y);
           });
}

}  // namespace

BOOL OpenClipboard(HWND owner)
{
    Clipboard& c = Board();
    if (c.open) return FALSE;
    c.open = true;
    c.opener = owner;
    return TRUE;
}

BOOL CloseClipboard()
{
    Clipboard& c = Board();
    if (!c.open) return FALSE;
    c.open = false;
    c.opener = {};
    return TRUE;
}

BOOL EmptyClipboard()
{
    Clipboard& c = Board();
    if (!c.open) return FALSE;
    c.formats.clear();
    c.owner = c.opener;
    if (c.backend.setText) c.backend.setText(std::string());
    return TRUE;
}

HWND GetClipboardOwner() { return Board().owner; }

UINT RegisterClipboardFormat(std::string_view name)
{
    Clipboard& c = Board();
    if (name.empty() || name.size() > kMaxNameBytes) return 0;
    for (std::size_t i = 0; i < c.registered.size(); ++i)
        if (SameName(c.registered[i], name)) return kFirstRegistered + UINT(i);
    if (c.registered.size() >= kMaxRegistered) return 0;
    c.registered.emplace_back(name);
    return kFirstRegistered + UINT(c.registered.size() - 1);
}

std::string GetClipboardFormatName(UINT format)
{
    const Clipboard& c = Board();
    if (format < kFirstRegistered || format - kFirstRegistered >= c.registered.size()) return {};
    return c.registered[format - kFirstRegistered];
}

BOOL SetClipboardData(UINT format, std::vector<std::uint8_t> bytes)
{
    Clipboard& c = Board();
    if (!c.open || format == 0) return FALSE;
    if (format >= kFirstRegistered && GetClipboardFormatName(format).empty()) return FALSE;
    if (IsText(format)) {
        format = CF_UNICODETEXT;
        if (c.backend.setText) c.backend.setText(std::string(bytes.begin(), bytes.end()));
    }
    c.formats[format] = std::move(bytes);
    return TRUE;
}

std::optional<std::vector<std::uint8_t>> GetClipboardData(UINT format)
{
    Clipboard& c = Board();
    if (IsText(format)) {
        if (c.backend.getText) {
            std::optional<std::string> t = c.backend.getText();
            if (!t) return std::nullopt;
            return std::vector<std::uint8_t>(t->begin(), t->end());
        }
        format = CF_UNICODETEXT;
    }
    auto it = c.formats.find(format);
    if (it == c.formats.end()) return std::nullopt;
    return it->second;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    Clipboard& c = Board();
    if (IsText(format) && c.backend.getText) return c.backend.getText().has_value();
    return c.formats.count(IsText(format) ? CF_UNICODETEXT : format) ? TRUE : FALSE;
}

int CountClipboardFormats()
{
    const Clipboard& c = Board();
    int n = int(c.formats.size());
    // Text counts as its two forms.
    if (c.formats.count(CF_UNICODETEXT)) ++n;
    return n;
}

BOOL SetClipboardText(std::string utf8)
{
    return SetClipboardData(CF_UNICODETEXT, std::vector<std::uint8_t>(utf8.begin(), utf8.end()));
}

std::optional<std::string> GetClipboardText()
{
    std::optional<std::vector<std::uint8_t>> bytes = GetClipboardData(CF_UNICODETEXT);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

void SetClipboardBackend(ClipboardBackend backend) { Board().backend = std::move(backend); }

}  // namespace plat
