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
    auto measure = MeasureFor(st);
    std::u32string_view all = st.text.text();
    int last = std::min(int(st.lines.size()), st.firstLine + VisibleLines(st) + 1);
    for (int n = st.firstLine; n < last; ++n) {
        const EditLine& line = st.lines[std::size_t(n)];
        int y = st.format.top + (n - st.firstLine) * st.lineHeight;
        int x0 = st.format.left + AlignOffset(hwnd, st, line) - st.xOffset;
        auto xAt = [&](std::size_t i) { return x0 + measure(all.substr(line.start, i - line.start)); };
        std::size_t a = std::clamp(selS, line.start, line.end), b = std::clamp(selE, line.start, line.end);
        if (!showSel || a == b) {
            SetTextColor(dc, textColor);
            TextOut(dc, x0, y, Shown(st, all.substr(line.start, line.end - line.start)));
            continue;
        }
        SetTextColor(dc, textColor);
        TextOut(dc, x0, y, Shown(st, all.substr(line.start, a - line.start)));
        RECT hi{xAt(a), y, xAt(b), y + st.lineHeight};
        FillRect(dc, &hi, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        TextOut(dc, hi.left, y, Shown(st, all.substr(a, b - a)));
        SetTextColor(dc, textColor);
        TextOut(dc, hi.right, y, Shown(st, all.substr(b, line.end - b)));
    }
    RestoreDC(dc, -1);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace plat::edit
