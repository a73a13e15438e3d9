#include "plat/controls/edit_view.h"

#include <algorithm>

#include "plat/controls/control_state.h"
#include "plat/gdi/gdi.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/windowing.h"

namespace plat::edit {

std::shared_ptr<gfx::Font> FontFor(const EditState& st)
{
    auto f = FontOf(ControlFont(st.font));
    if (!f) f = gfx::Font::open(gfx::FontDesc{});
    return f;
}

// What a run of text looks like on screen (password characters hide it).
std::string Shown(const EditState& st, std::u32string_view run)
{
    if (st.password) return EncodeU32ToUtf8(std::u32string(run.size(), st.password));
    return EncodeU32ToUtf8(run);
}

EditMeasure MeasureFor(const EditState& st)
{
    auto font = FontFor(st);
    return [font, &st](std::u32string_view run) { return font->textWidth(Shown(st, run)); };
}

int VisibleLines(const EditState& st) { return std::max(1, st.format.height() / std::max(1, st.lineHeight)); }

void UpdateFormatRect(HWND hwnd, EditState& st)
{
    st.lineHeight = std::max(1, FontFor(st)->metrics().height);
    if (st.customFormat) return;
    RECT c = ClientRect(hwnd);
    RECT f{c.left + st.leftMargin, c.top, c.right - st.rightMargin, c.bottom};
    if (!Multi(hwnd)) {
        // One line sits in the middle of the box.
        int top = std::max(0, (c.height() - st.lineHeight) / 2);
        f.top = top;
        f.bottom = std::max(f.top + st.lineHeight, c.bottom);
    } else {
        f.top = c.top + 1;
    }
    if (f.right < f.left) f.right = f.left;
    st.format = f;
}

void Relayout(HWND hwnd, EditState& st)
{
    // A single-line edit keeps any line breaks it is given on its one line.
    if (!Multi(hwnd)) {
        st.lines = {EditLine{0, st.text.size(), st.text.size()}};
        return;
    }
    auto measure = MeasureFor(st);
    st.lines = LayoutEditLines(st.text.text(), Wraps(hwnd) ? std::max(1, st.format.width()) : 0, measure);
}

int LineOfIndex(const EditState& st, std::size_t index) { return int(EditLineOf(st.lines, index)); }

int LineWidth(const EditState& st, const EditLine& line)
{
    return MeasureFor(st)(std::u32string_view(st.text.text()).substr(line.start, line.end - line.start));
}

int AlignOffset(HWND hwnd, const EditState& st, const EditLine& line)
{
    DWORD s = Style(hwnd);
    int room = st.format.width() - LineWidth(st, line);
    if (s & ES_RIGHT) return std::max(0, room);
    if (s & ES_CENTER) return std::max(0, room / 2);
    return 0;
}

POINT PosFromChar(HWND hwnd, const EditState& st, std::size_t index)
{
    int n = LineOfIndex(st, index);
    const EditLine& line = st.lines[std::size_t(n)];
    std::size_t at = std::clamp(index, line.start, line.end);
    int x = st.format.left + AlignOffset(hwnd, st, line) - st.xOffset +
            MeasureFor(st)(std::u32string_view(st.text.text()).substr(line.start, at - line.start));
    int y = st.format.top + (n - st.firstLine) * st.lineHeight;
    return {x, y};
}

std::size_t CharAtLineX(HWND hwnd, const EditState& st, int n, int x)
{
    const EditLine& line = st.lines[std::size_t(std::clamp(n, 0, int(st.lines.size()) - 1))];
    int along = x - st.format.left - AlignOffset(hwnd, st, line) + st.xOffset;
    return EditIndexAtX(st.text.text(), line, along, MeasureFor(st));
}

std::size_t CharFromPos(HWND hwnd, const EditState& st, POINT p)
{
    int n = st.firstLine + (p.y - st.format.top) / st.lineHeight;
    if (p.y < st.format.top) n = st.firstLine - 1;
    return CharAtLineX(hwnd, st, std::clamp(n, 0, int(st.lines.size()) - 1), p.x);
}

int MaxFirstLine(const EditState& st) { return std::max(0, int(st.lines.size()) - VisibleLines(st)); }

void UpdateScrollBar(HWND hwnd, EditState& st)
{
    if (!Multi(hwnd) || !(Style(hwnd) & WS_VSCROLL)) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = std::max(0, int(st.lines.size()) - 1);
    si.nPage = UINT(VisibleLines(st));
    si.nPos = st.firstLine;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void PlaceCaret(HWND hwnd, EditState& st)
{
    if (!st.focused) return;
    POINT p = PosFromChar(hwnd, st, st.text.caret());
    SetCaretPos(p.x, p.y);
}

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

bool ScrollToLine(HWND hwnd, EditState& st, int line)
{
    line = std::clamp(line, 0, MaxFirstLine(st));
    if (line == st.firstLine) return true;
    st.firstLine = line;
    UpdateScrollBar(hwnd, st);
    PlaceCaret(hwnd, st);
    Repaint(hwnd);
    return NotifyParent(hwnd, EN_VSCROLL);
}

void ScrollCaretIntoView(HWND hwnd, EditState& st)
{
    if (Multi(hwnd)) {
        int n = LineOfIndex(st, st.text.caret());
        int top = st.firstLine;
        if (n < top) top = n;
        if (n >= top + VisibleLines(st)) top = n - VisibleLines(st) + 1;
        if (st.firstLine > MaxFirstLine(st)) top = std::min(top, MaxFirstLine(st));
        if (top != st.firstLine) {
            st.firstLine = std::max(0, top);
            UpdateScrollBar(hwnd, st);
            Repaint(hwnd);
        }
        // Long unwrapped lines scroll sideways as well.
    }
    if (!Wraps(hwnd)) {
        const EditLine& line = st.lines[std::size_t(LineOfIndex(st, st.text.caret()))];
        int caretX = AlignOffset(hwnd, st, line) +
                     MeasureFor(st)(std::u32string_view(st.text.text())
                                        .substr(line.start, std::min(st.text.caret(), line.end) - line.start));
        int width = std::max(1, st.format.width() - 1);
        int offset = st.xOffset;
        if (caretX < offset) offset = std::max(0, caretX - width / 4);
        if (caretX > offset + width) offset = caretX - width + width / 4;
        if (offset != st.xOffset) {
            st.xOffset = offset;
            Repaint(hwnd);
        }
    }
    PlaceCaret(hwnd, st);
}

}  // namespace plat::edit
