#include "plat/controls/edit_paint.h"

#include <algorithm>

#include "plat/controls/control_state.h"
#include "plat/controls/edit_view.h"
#include "plat/gdi/gdi.h"
#include "plat/windowing.h"

namespace plat::edit {

namespace {

struct Colors {
    HBRUSH background;
};

// The parent may colour the edit: it gets the DC with our defaults set and answers a brush.
Colors AskColors(HWND hwnd, HDC dc)
{
    bool disabled = !IsWindowEnabled(hwnd);
    bool asStatic = disabled || ReadOnly(hwnd);
    int back = asStatic ? COLOR_BTNFACE : COLOR_WINDOW;
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(back));
    HWND parent = GetParent(hwnd);
    LRESULT answer = parent ? SendMessage(parent, asStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                          WPARAM(dc.value), LPARAM(hwnd.value))
                            : 0;
    HBRUSH brush{HGDIOBJ(std::uint64_t(answer))};
    if (!answer || !GetObjectType(brush)) brush = GetSysColorBrush(back);
    return {brush};
}

}  // namespace

void Paint(HWND hwnd, EditState& st)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    HFONT oldFont = SelectObject(dc, ControlFont(st.font));
    Colors colors = AskColors(hwnd, dc);
    if (!IsWindow(hwnd)) {  // the parent destroyed the control while choosing its colours
        EndPaint(hwnd, &ps);
        return;
    }
    RECT client = ClientRect(hwnd);
    FillRect(dc, &client, colors.background);
    COLORREF textColor = GetTextColor(dc);
    SetBkMode(dc, TRANSPARENT);

    SaveDC(dc);
    IntersectClipRect(dc, st.format.left, st.format.top, st.format.right, st.format.bottom);
    bool showSel = st.text.hasSelection() && (st.focused || (Style(hwnd) & ES_NOHIDESEL));
    std::size_t selS = st.text.selStart(), selE = st.text.selEnd();
    FontMeasure measure(st);
    std::u32string_view all = st.text.text();
    int last = std::min(int(st.lines.size()), st.firstLine + VisibleLines(st) + 1);
    for (int n = st.firstLine; n < last; ++n) {
        const EditLine& line = st.lines[std::size_t(n)];
        int y = st.format.top + (n - st.firstLine) * st.lineHeight;
        std::int64_t x0 = std::int64_t(st.format.left) + AlignOffset(hwnd, st, measure, line) - st.xOffset;
        // Only the part of a long line inside the format rectangle is drawn.
        int left = int(std::clamp<std::int64_t>(st.format.left - x0, 0, kMaxWidth));
        int right = int(std::clamp<std::int64_t>(st.format.right - x0, 0, kMaxWidth));
        std::size_t from = LineIndexAtX(st, measure, line, left);
        std::size_t to = LineIndexAtX(st, measure, line, right);
        from = from > line.start ? from - 1 : from;
        to = std::min(to + 1, line.end);
        auto xAt = [&](std::size_t i) { return int(std::clamp<std::int64_t>(x0 + LineX(st, measure, line, i), -kMaxWidth, kMaxWidth)); };
        auto draw = [&](std::size_t a, std::size_t b) {
            if (a < b) TextOut(dc, xAt(a), y, Shown(st, all.substr(a, b - a)));
        };
        std::size_t a = std::clamp(selS, from, to), b = std::clamp(selE, from, to);
        SetTextColor(dc, textColor);
        if (!showSel || a == b) {
            draw(from, to);
            continue;
        }
        draw(from, a);
        RECT hi{xAt(a), y, xAt(b), y + st.lineHeight};
        FillRect(dc, &hi, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        draw(a, b);
        SetTextColor(dc, textColor);
        draw(b, to);
    }
    RestoreDC(dc, -1);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace plat::edit
