#include "plat/menus/menu_layout.h"

#include <algorithm>
#include <string>

#include "plat/gdi/gdi.h"
#include "plat/menus/menu_owner_draw.h"
#include "plat/menus/menu_store.h"
#include "plat/message_queue.h"
#include "plat/state/run_state.h"

namespace plat {

namespace {

constexpr int kCheckColumn = 20;   // check marks and the text's left margin
constexpr int kArrowColumn = 20;   // the sub-menu arrow and the text's right margin
constexpr int kShortcutGap = 24;   // between an item's text and its shortcut
constexpr int kSeparatorHeight = 9;
constexpr int kMinTextWidth = 60;

struct MenuFonts {
    HFONT plain, bold;
};

struct SplitText {
    std::string label, shortcut;
};
SplitText Split(const std::string& text)
{
    std::size_t tab = text.find('\t');
    if (tab == std::string::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

SIZE TextSize(HDC dc, const std::string& text, bool bold)
{
    HFONT old = SelectObject(dc, MenuFont(bold));
    RECT r{0, 0, 0, 0};
    DrawText(dc, text.empty() ? std::string(" ") : text, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    return {text.empty() ? 0 : r.width(), r.height()};
}

int LineHeight(HDC dc)
{
    TEXTMETRIC tm;
    HFONT old = SelectObject(dc, MenuFont(false));
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    return tm.tmHeight;
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF c)
{
    HPEN pen = CreatePen(0, 1, c);
    HPEN old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(HGDIOBJ(pen));
}

// A tick of seven columns, three pixels thick, centred in the check column.
void DrawCheck(HDC dc, const RECT& item, COLORREF c, bool radio)
{
    int cx = item.left + kCheckColumn / 2, cy = item.top + item.height() / 2;
    if (radio) {
        for (int dy = -2; dy <= 2; ++dy) {
            int half = (dy == -2 || dy == 2) ? 1 : 2;
            Line(dc, cx - half, cy + dy, cx + half + 1, cy + dy, c);
        }
        return;
    }
    int x = cx - 3, y = cy - 1;
    for (int i = 0; i < 7; ++i) {
        int top = i < 3 ? y + i : y + 2 - (i - 2);
        Line(dc, x + i, top, x + i, top + 3, c);
    }
}

// A right-pointing arrow four pixels high for items that open a sub-menu.
void DrawArrow(HDC dc, const RECT& item, COLORREF c)
{
    int x = item.right - kArrowColumn / 2 - 2, cy = item.top + item.height() / 2;
    for (int i = 0; i < 4; ++i) Line(dc, x + i, cy - 3 + i, x + i, cy + 4 - i, c);
}

void DrawLabel(HDC dc, const RECT& item, const SplitText& t, bool bold, COLORREF c)
{
    HFONT old = SelectObject(dc, MenuFont(bold));
    SetTextColor(dc, c);
    RECT r{item.left + kCheckColumn, item.top, item.right - kArrowColumn, item.bottom};
    DrawText(dc, t.label, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!t.shortcut.empty()) DrawText(dc, t.shortcut, &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    SelectObject(dc, old);
}

}  // namespace

HFONT MenuFont(bool bold)
{
    MenuFonts& fonts = RunPart<MenuFonts>();
    HFONT& f = bold ? fonts.bold : fonts.plain;
    if (!GetObjectType(f)) {
        LOGFONT lf;
        lf.lfHeight = -11;
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfFaceName = "MS Sans Serif";
        f = CreateFontIndirect(&lf);
    }
    return f;
}

MenuLayout LayoutMenu(HMENU menu, HWND owner)
{
    MenuLayout out;
    MenuObject* m = FindMenu(menu);
    if (!m) return out;
    HDC dc = CreateCompatibleDC({});
    int itemHeight = std::max(LineHeight(dc) + 5, 17);
    int labelWidth = kMinTextWidth, shortcutWidth = 0;
    std::vector<int> heights;
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        MenuItem& it = m->items[i];
        if (it.type & MFT_SEPARATOR) {
            heights.push_back(kSeparatorHeight);
        } else if (it.type & MFT_OWNERDRAW) {
            MEASUREITEMSTRUCT mis{ODT_MENU, 0, it.id, 0, UINT(itemHeight), it.data};
            SendMessage(owner, WM_MEASUREITEM, 0, LPARAM(&mis));
            // The owner may have changed the menu while answering.
            m = FindMenu(menu);
            if (!m || i >= m->items.size()) break;
            labelWidth = std::max(labelWidth, int(std::min<UINT>(mis.itemWidth, 2000)) - kArrowColumn);
            heights.push_back(int(std::clamp<UINT>(mis.itemHeight ? mis.itemHeight : UINT(itemHeight), 1, 500)));
        } else {
            SplitText t = Split(it.text);
            bool bold = it.state & MFS_DEFAULT;
            labelWidth = std::max(labelWidth, int(TextSize(dc, t.label, bold).width));
            if (!t.shortcut.empty()) shortcutWidth = std::max(shortcutWidth, int(TextSize(dc, t.shortcut, bold).width));
            heights.push_back(itemHeight);
        }
    }
    DeleteDC(dc);
    int width = kCheckColumn + labelWidth + (shortcutWidth ? kShortcutGap + shortcutWidth : 0) + kArrowColumn;
    int y = kMenuBorder;
    for (int h : heights) {
        out.items.push_back({kMenuBorder, y, kMenuBorder + width, y + h});
        y += h;
    }
    out.size = {width + 2 * kMenuBorder, y + kMenuBorder};
    return out;
}

int MenuItemAt(const MenuLayout& layout, POINT p)
{
    for (std::size_t i = 0; i < layout.items.size(); ++i)
        if (layout.items[i].contains(p)) return int(i);
    return -1;
}

void DrawMenu(HDC dc, HMENU menu, HWND owner, const MenuLayout& layout, int selected)
{
    MenuObject* m = FindMenu(menu);
    RECT all{0, 0, layout.size.width, layout.size.height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
    DrawEdge(dc, &all, EDGE_RAISED, BF_RECT);
    if (!m) return;
    SetBkMode(dc, TRANSPARENT);
    std::size_t n = std::min(m->items.size(), layout.items.size());
    for (std::size_t i = 0; i < n; ++i) {
        const MenuItem it = m->items[i];  // a copy: owner drawing may change the menu
        const RECT& r = layout.items[i];
        bool sel = int(i) == selected;
        bool grey = it.state & MFS_GRAYED;
        if (it.type & MFT_SEPARATOR) {
            int y = r.top + r.height() / 2 - 1;
            Line(dc, r.left + 1, y, r.right - 1, y, GetSysColor(COLOR_BTNSHADOW));
            Line(dc, r.left + 1, y + 1, r.right - 1, y + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
            continue;
        }
        if (it.type & MFT_OWNERDRAW) {
            UINT state = (sel ? ODS_SELECTED : 0) | (grey ? ODS_GRAYED | ODS_DISABLED : 0) |
                         ((it.state & MFS_CHECKED) ? ODS_CHECKED : 0) | ((it.state & MFS_DEFAULT) ? ODS_DEFAULT : 0);
            DRAWITEMSTRUCT dis{ODT_MENU, 0, it.id, ODA_DRAWENTIRE, state, HWND(menu.value), dc, r, it.data};
            int saved = SaveDC(dc);
            SendMessage(owner, WM_DRAWITEM, 0, LPARAM(&dis));
            RestoreDC(dc, saved);
            continue;
        }
        if (sel) FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        COLORREF text = GetSysColor(sel ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        SplitText t = Split(it.text);
        bool bold = it.state & MFS_DEFAULT;
        if (grey) {
            // Disabled text is engraved: a highlight copy one pixel down-right, then grey.
            if (!sel) {
                RECT shifted = r.offset(1, 1);
                DrawLabel(dc, shifted, t, bold, GetSysColor(COLOR_BTNHIGHLIGHT));
            }
            text = GetSysColor(COLOR_GRAYTEXT);
        }
        DrawLabel(dc, r, t, bold, text);
        if (it.state & MFS_CHECKED) DrawCheck(dc, r, text, it.type & MFT_RADIOCHECK);
        if (it.subMenu) DrawArrow(dc, r, text);
    }
}

}  // namespace plat
