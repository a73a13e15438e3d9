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

FontMeasure::FontMeasure(const EditState& st) : font_(FontFor(st)), password_(st.password)
{
    if (password_) passwordWidth_ = font_->textWidth(std::u32string_view(&password_, 1));
}

int FontMeasure::width(std::u32string_view run) const
{
    if (password_) return int(std::min<std::size_t>(run.size() * std::size_t(passwordWidth_), kMaxWidth));
    return font_->textWidth(run);
}

std::size_t FontMeasure::fit(std::u32string_view run, int maxWidth, int& fitWidth) const
{
    if (!password_) return font_->fitText(run, maxWidth, &fitWidth);
    std::size_t n = maxWidth < 0 ? 0 : passwordWidth_ <= 0 ? run.size()
                                                            : std::min(run.size(), std::size_t(maxWidth / passwordWidth_));
    fitWidth = int(n * std::size_t(std::max(0, passwordWidth_)));
    return n;
}

namespace {

// Lines this long are measured through the width index rather than from their start.
constexpr std::size_t kDirectRun = 2 * EditWidthIndex::kStep;

EditWidthIndex& WidthsFor(const EditState& st, const FontMeasure& measure)
{
    if (st.widthsWith != measure.key() || st.widthsPassword != st.password) {
        st.widths.reset();
        st.widthsWith = measure.key();
        st.widthsPassword = st.password;
    }
    return st.widths;
}

int ClampToInt(std::int64_t v) { return int(std::clamp<std::int64_t>(v, -kMaxWidth, kMaxWidth)); }

}  // namespace

int LineX(const EditState& st, const FontMeasure& measure, const EditLine& line, std::size_t index)
{
    std::u32string_view text = st.text.text();
    index = std::clamp(index, line.start, line.end);
    if (index - line.start <= kDirectRun) return measure.width(text.substr(line.start, index - line.start));
    EditWidthIndex& widths = WidthsFor(st, measure);
    return ClampToInt(widths.x(text, index, measure) - widths.x(text, line.start, measure));
}

std::size_t LineIndexAtX(const EditState& st, const FontMeasure& measure, const EditLine& line, int x)
{
    std::u32string_view text = st.text.text();
    if (line.end - line.start <= kDirectRun) return EditIndexAtX(text, line, x, measure);
    if (x <= 0) return line.start;
    EditWidthIndex& widths = WidthsFor(st, measure);
    std::int64_t target = widths.x(text, line.start, measure) + x, left = 0;
    std::size_t n = widths.fit(text, line.start, line.end, target, measure, left);
    // n is the last boundary at or left of x; the next one may be nearer.
    if (n < line.end) {
        std::int64_t right = left + measure.width(text.substr(n, 1));
        if (target - left > right - target) ++n;
    }
    return n;
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

namespace {

int WrapWidth(HWND hwnd, const EditState& st) { return Wraps(hwnd) ? std::max(1, st.format.width()) : 0; }

}  // namespace

void Relayout(HWND hwnd, EditState& st)
{
    FontMeasure measure(st);
    st.laidOutWith = measure.key();
    st.laidOutPassword = st.password;
    st.widths.reset();
    st.widthsWith = measure.key();
    st.widthsPassword = st.password;
    // A single-line edit keeps any line breaks it is given on its one line.
    if (!Multi(hwnd)) {
        st.lines = {EditLine{0, st.text.size(), st.text.size()}};
        return;
    }
    st.lines = LayoutEditLines(st.text.text(), WrapWidth(hwnd, st), measure);
}

void RelayoutChange(HWND hwnd, EditState& st)
{
    FontMeasure measure(st);
    const EditChange& change = st.text.lastChange();
    bool everything = change.at == 0 && change.inserted == st.text.size();
    if (everything || st.laidOutWith != measure.key() || st.laidOutPassword != st.password) {
        Relayout(hwnd, st);
        return;
    }
    WidthsFor(st, measure).update(st.text.text(), change, measure);
    if (!Multi(hwnd)) {
        st.lines = {EditLine{0, st.text.size(), st.text.size()}};
        return;
    }
    RelayoutEditLines(st.lines, st.text.text(), change, WrapWidth(hwnd, st), measure);
}

int LineOfIndex(const EditState& st, std::size_t index) { return int(EditLineOf(st.lines, index)); }

int AlignOffset(HWND hwnd, const EditState& st, const FontMeasure& measure, const EditLine& line)
{
    DWORD s = Style(hwnd);
    if (!(s & (ES_RIGHT | ES_CENTER))) return 0;
    int room = st.format.width() - LineX(st, measure, line, line.end);
    if (s & ES_RIGHT) return std::max(0, room);
    return std::max(0, room / 2);
}

POINT PosFromChar(HWND hwnd, const EditState& st, std::size_t index)
{
    FontMeasure measure(st);
    int n = LineOfIndex(st, index);
    const EditLine& line = st.lines[std::size_t(n)];
    std::int64_t x = std::int64_t(st.format.left) + AlignOffset(hwnd, st, measure, line) - st.xOffset +
                     LineX(st, measure, line, index);
    int y = st.format.top + (n - st.firstLine) * st.lineHeight;
    return {ClampToInt(x), y};
}

std::size_t CharAtLineX(HWND hwnd, const EditState& st, int n, int x)
{
    FontMeasure measure(st);
    const EditLine& line = st.lines[std::size_t(std::clamp(n, 0, int(st.lines.size()) - 1))];
    std::int64_t along = std::int64_t(x) - st.format.left - AlignOffset(hwnd, st, measure, line) + st.xOffset;
    return LineIndexAtX(st, measure, line, ClampToInt(along));
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
        FontMeasure measure(st);
        const EditLine& line = st.lines[std::size_t(LineOfIndex(st, st.text.caret()))];
        int caretX = AlignOffset(hwnd, st, measure, line) + LineX(st, measure, line, st.text.caret());
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
