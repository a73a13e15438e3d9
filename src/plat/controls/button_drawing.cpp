#include "plat/controls/button_drawing.h"

#include <algorithm>

#include "plat/controls/button_styles.h"
#include "plat/gdi/gdi.h"

namespace plat {

namespace {

constexpr int kBoxSize = 13;

void Fill(HDC dc, int l, int t, int r, int b, int color)
{
    RECT rc{l, t, r, b};
    FillRect(dc, &rc, GetSysColorBrush(color));
}

// Text in the button's colours; disabled text is embossed, as classic controls draw it.
void DrawLabel(HDC dc, std::string_view text, RECT r, UINT format, bool enabled, COLORREF color)
{
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
        RECT shifted = r.offset(1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawText(dc, text, &shifted, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, color);
    }
    DrawText(dc, text, &r, format);
}

// The rectangle the text takes within `area` for a format.
RECT TextBox(HDC dc, std::string_view text, const RECT& area, UINT format)
{
    RECT calc = area;
    DrawText(dc, text, &calc, format | DT_CALCRECT);
    int w = std::min(calc.width(), area.width()), h = std::min(calc.height(), area.height());
    int x = area.left, y = area.top + (area.height() - h) / 2;
    if (format & DT_CENTER) x = area.left + (area.width() - w) / 2;
    if (format & DT_RIGHT) x = area.right - w;
    return {x, y, x + w, y + h};
}

UINT HorizontalFormat(DWORD style, UINT fallback)
{
    switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    case BS_CENTER: return DT_CENTER;
    default: return fallback;
    }
}

void DrawPushButton(HDC dc, RECT r, std::string_view text, const ButtonLook& look)
{
    COLORREF textColor = GetTextColor(dc);
    Fill(dc, r.left, r.top, r.right, r.bottom, COLOR_BTNFACE);
    bool heavy = look.isDefault || look.focused;
    if (heavy) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        r = r.inflated(-1, -1);
    }
    if (look.pushed) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        RECT edge = r;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    }
    RECT area = r.inflated(-3, -3);
    if (area.width() <= 0 || area.height() <= 0) return;
    UINT format = HorizontalFormat(look.style, DT_CENTER);
    format |= (look.style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    RECT box = TextBox(dc, text, area, format);
    if (look.pushed) box = box.offset(1, 1);
    DrawLabel(dc, text, box, format | DT_NOCLIP, look.enabled, textColor);
    if (look.focused && look.enabled) {
        RECT focus = r.inflated(-3, -3);
        DrawFocusRect(dc, &focus);
    }
}

// The classic 7-pixel tick, drawn column by column.
void DrawTick(HDC dc, int x, int y, int color)
{
    static constexpr int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) Fill(dc, x + i, y + kTop[i], x + i + 1, y + kTop[i] + 3, color);
}

void DrawCheckBox(HDC dc, int x, int y, const ButtonLook& look)
{
    RECT box{x, y, x + kBoxSize, y + kBoxSize};
    RECT edge = box;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    bool grey = look.pushed || !look.enabled || look.check == BST_INDETERMINATE;
    FillRect(dc, &edge, GetSysColorBrush(grey ? COLOR_BTNFACE : COLOR_WINDOW));
    if (look.check == BST_CHECKED || look.check == BST_INDETERMINATE)
        DrawTick(dc, x + 3, y + 3, look.enabled && look.check == BST_CHECKED ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
}

void DrawRadio(HDC dc, int x, int y, const ButtonLook& look)
{
    // A round box from rows of pixels: shadow top-left, highlight bottom-right, as a sunken edge.
    static constexpr int kSpan[12] = {4, 2, 1, 1, 0, 0, 0, 0, 1, 1, 2, 4};
    for (int row = 0; row < 12; ++row) {
        int l = x + kSpan[row], r = x + 12 - kSpan[row];
        int inside = (row > 0 && row < 11) ? COLOR_WINDOW : COLOR_BTNSHADOW;
        if (!look.enabled || look.pushed) inside = row > 0 && row < 11 ? COLOR_BTNFACE : COLOR_BTNSHADOW;
        Fill(dc, l, y + row, r, y + row + 1, inside);
        if (row > 0 && row < 11) {
            Fill(dc, l, y + row, l + 1, y + row + 1, row < 6 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
            Fill(dc, r - 1, y + row, r, y + row + 1, row < 6 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        }
    }
    Fill(dc, x + 4, y + 11, x + 8, y + 12, COLOR_BTNHIGHLIGHT);
    if (look.check == BST_CHECKED) {
        int c = look.enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW;
        Fill(dc, x + 5, y + 4, x + 7, y + 8, c);
        Fill(dc, x + 4, y + 5, x + 8, y + 7, c);
    }
}

void DrawCheckLike(HDC dc, const RECT& r, std::string_view text, const ButtonLook& look, HBRUSH background)
{
    COLORREF textColor = GetTextColor(dc);
    FillRect(dc, &r, background);
    DWORD kind = look.style & BS_TYPEMASK;
    bool radio = kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
    bool leftText = look.style & BS_LEFTTEXT;
    int boxY = r.top + (r.height() - kBoxSize) / 2;
    int boxX = leftText ? r.right - kBoxSize : r.left;
    if (radio)
        DrawRadio(dc, boxX, boxY + 1, look);
    else
        DrawCheckBox(dc, boxX, boxY, look);
    RECT area = leftText ? RECT{r.left, r.top, r.right - kBoxSize - 4, r.bottom}
                         : RECT{r.left + kBoxSize + 4, r.top, r.right, r.bottom};
    UINT format = HorizontalFormat(look.style, DT_LEFT) | ((look.style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
    RECT box = TextBox(dc, text, area, format);
    DrawLabel(dc, text, box, format | DT_NOCLIP, look.enabled, textColor);
    if (look.focused && !text.empty()) {
        RECT focus = box.inflated(1, 1);
        focus.left = std::max(focus.left, area.left - 1);
        DrawFocusRect(dc, &focus);
    }
}

void DrawGroupBox(HDC dc, const RECT& r, std::string_view text, const ButtonLook& look, HBRUSH background)
{
    COLORREF textColor = GetTextColor(dc);
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    // The inside stays as it is: the controls the box frames lie there, often under it.
    RECT band{r.left, r.top, r.right, std::min(r.bottom, r.top + tm.tmHeight)};
    FillRect(dc, &band, background);
    RECT frame{r.left, r.top + tm.tmHeight / 2, r.right, r.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty()) return;
    RECT area{r.left + 8, r.top, r.right - 8, r.top + tm.tmHeight};
    UINT format = HorizontalFormat(look.style, DT_LEFT) | DT_SINGLELINE;
    RECT box = TextBox(dc, text, area, format);
    RECT gap = box.inflated(2, 0);
    FillRect(dc, &gap, background);
    DrawLabel(dc, text, box, format | DT_NOCLIP, look.enabled, textColor);
}

}  // namespace

void DrawButton(HDC dc, const RECT& rect, std::string_view text, const ButtonLook& look, HBRUSH background)
{
    switch (look.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON: DrawCheckLike(dc, rect, text, look, background); break;
    case BS_GROUPBOX: DrawGroupBox(dc, rect, text, look, background); break;
    case BS_OWNERDRAW: break;
    default: DrawPushButton(dc, rect, text, look); break;
    }
}

}  // namespace plat
