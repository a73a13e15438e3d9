#include "plat/dialogs/message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "plat/controls/button_styles.h"
#include "plat/controls/static_styles.h"
#include "plat/dialogs/dialog.h"
#include "plat/dialogs/message_box_icons.h"
#include "plat/gdi/gdi.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

constexpr int kMargin = 11;
constexpr int kIconGap = 12;     // between the icon and the text
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kRowGap = 14;      // between the text and the buttons
constexpr int kCaptionRoom = 70; // the caption's icon and close box

struct Button {
    int id;
    const char* text;
};

std::vector<Button> ButtonsOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
    }
}

SIZE Measure(std::string_view text, UINT format, int width, bool bold)
{
    HDC dc = CreateCompatibleDC({});
    LOGFONT lf;
    lf.lfHeight = -11;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfFaceName = "MS Sans Serif";
    HFONT font = bold ? CreateFontIndirect(&lf) : DialogFont();
    HFONT old = SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    DrawText(dc, text.empty() ? std::string_view(" ") : text, &r, format | DT_CALCRECT);
    SelectObject(dc, old);
    if (bold) DeleteObject(HGDIOBJ(font));
    DeleteDC(dc);
    return {text.empty() ? 0 : r.width(), r.height()};
}

struct BoxSetup {
    UINT type;
    HICON icon;
};

// The box's answer rules: Escape and the close box mean Cancel when there is one.
LRESULT BoxProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto type = UINT(GetWindowLongPtr(dlg, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        const auto* setup = reinterpret_cast<const BoxSetup*>(lParam);
        type = setup->type;
        SetWindowLongPtr(dlg, DWLP_USER, LONG_PTR(type));
        if (setup->icon) SendDlgItemMessage(dlg, kMessageBoxIconId, STM_SETICON, WPARAM(setup->icon.value), 0);
        std::vector<Button> buttons = ButtonsOf(type);
        // Without Cancel (or a lone OK) closing the box has no answer to give: its close box is off.
        if (!GetDlgItem(dlg, IDCANCEL) && buttons.size() > 1) EnableWindowClose(dlg, false);
        std::size_t def = std::min<std::size_t>((type & MB_DEFMASK) >> 8, buttons.size() - 1);
        HWND focus = GetDlgItem(dlg, buttons[def].id);
        SendMessage(dlg, DM_SETDEFID, WPARAM(buttons[def].id), 0);
        SetFocus(focus);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == IDCANCEL && !GetDlgItem(dlg, IDCANCEL)) {
            std::vector<Button> buttons = ButtonsOf(type);
            if (buttons.size() == 1) EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (id >= IDOK && id <= IDNO && GetDlgItem(dlg, id)) EndDialog(dlg, id);
        return TRUE;
    }
    default: return FALSE;
    }
}

}  // namespace

int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type)
{
    std::vector<Button> buttons = ButtonsOf(type);
    HICON icon = CreateMessageBoxIcon(type);
    int iconSide = icon ? 32 : 0;

    // The text wraps at a sensible width; a short text keeps its own.
    SIZE textSize = Measure(text, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS, kMessageBoxMaxTextWidth, false);
    int textLeft = kMargin + (icon ? iconSide + kIconGap : 0);
    int contentHeight = std::max(iconSide, int(textSize.height));
    int rowWidth = int(buttons.size()) * kButtonWidth + int(buttons.size() - 1) * kButtonGap;
    int captionWidth = Measure(caption.empty() ? "Error" : caption, DT_SINGLELINE | DT_NOPREFIX, 0, true).width;
    int width = std::max({textLeft + int(textSize.width) + kMargin, rowWidth + 2 * kMargin, captionWidth + kCaptionRoom});
    int rowTop = kMargin + contentHeight + kRowGap;
    int height = rowTop + kButtonHeight + kMargin;

    DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.exStyle = (type & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0;
    t.caption = caption.empty() ? "Error" : std::string(caption);
    t.rect = {0, 0, width, height};
    if (icon) t.items.push_back({"Static", "", SS_ICON, 0, {kMargin, kMargin, kMargin + iconSide, kMargin + iconSide}, kMessageBoxIconId});
    int textTop = kMargin + (contentHeight - int(textSize.height)) / 2;
    t.items.push_back({"Static", std::string(text), SS_LEFT | SS_NOPREFIX, 0,
                       {textLeft, textTop, textLeft + int(textSize.width) + 1, textTop + int(textSize.height)},
                       kMessageBoxTextId});
    int x = (width - rowWidth) / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        DWORD style = BS_PUSHBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
        t.items.push_back({"Button", buttons[i].text, style, 0, {x, rowTop, x + kButtonWidth, rowTop + kButtonHeight},
                           buttons[i].id});
        x += kButtonWidth + kButtonGap;
    }

    struct IconGuard {
        HICON icon;
        ~IconGuard()
        {
            if (icon) DestroyIcon(icon);
        }
    } guard{icon};
    BoxSetup setup{type, icon};
    std::intptr_t r = DialogBoxIndirectParam(t, owner, BoxProc, LPARAM(&setup));
    return r < 0 ? 0 : int(r);
}

}  // namespace plat
