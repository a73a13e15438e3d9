#include <algorithm>
#include <memory>
#include <optional>

#include "base/letter_case.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/control_state.h"
#include "plat/controls/edit_class.h"
#include "plat/controls/edit_clipboard.h"
#include "plat/controls/edit_layout.h"
#include "plat/controls/edit_styles.h"
#include "plat/controls/edit_text.h"
#include "plat/gdi/gdi.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/window_system.h"
#include "plat/windowing.h"

namespace plat {

namespace {

constexpr int kWheelLines = 3;

struct EditState {
    EditText text;
    HFONT font;
    std::vector<EditLine> lines{EditLine{}};
    int firstLine = 0;  // multi-line: the top line shown
    int xOffset = 0;    // single-line: pixels scrolled to the left
    int leftMargin = 1;
    int rightMargin = 1;
    RECT format;        // where text goes, in client coordinates
    bool customFormat = false;
    int lineHeight = 13;
    bool modified = false;
    bool focused = false;
    bool selecting = false;
    bool typing = false;  // consecutive typed characters undo as one
    char32_t password = 0;
    int desiredX = -1;     // kept across up/down moves
    int wheelRest = 0;
};

DWORD Style(HWND hwnd) { return GetWindowStyle(hwnd); }
bool Multi(HWND hwnd) { return Style(hwnd) & ES_MULTILINE; }
bool ReadOnly(HWND hwnd) { return Style(hwnd) & ES_READONLY; }
bool Wraps(HWND hwnd)
{
    DWORD s = Style(hwnd);
    return (s & ES_MULTILINE) && !(s & ES_AUTOHSCROLL) && !(s & WS_HSCROLL);
}

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

void Notify(HWND hwnd, WORD code)
{
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), LPARAM(hwnd.value));
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
    if (line == st.firstLine) return false;
    st.firstLine = line;
    UpdateScrollBar(hwnd, st);
    PlaceCaret(hwnd, st);
    Repaint(hwnd);
    Notify(hwnd, EN_VSCROLL);
    return true;
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

// After the text changed: lines, scroll bar, notifications.
void TextChanged(HWND hwnd, EditState& st, bool byUser)
{
    Relayout(hwnd, st);
    if (st.firstLine > MaxFirstLine(st)) st.firstLine = MaxFirstLine(st);
    if (byUser) st.modified = true;
    Notify(hwnd, EN_UPDATE);
    UpdateScrollBar(hwnd, st);
    Repaint(hwnd);
    ScrollCaretIntoView(hwnd, st);
    Notify(hwnd, EN_CHANGE);
}

void SelectionChanged(HWND hwnd, EditState& st)
{
    st.typing = false;
    Repaint(hwnd);
    ScrollCaretIntoView(hwnd, st);
}

bool Copy(HWND hwnd, EditState& st)
{
    if (!st.text.hasSelection() || st.password) return false;
    return PutEditTextOnClipboard(hwnd, st.text.selectedUtf8());
}

void ReplaceSelection(HWND hwnd, EditState& st, std::string_view utf8, bool canUndo)
{
    st.typing = false;
    std::size_t before = st.text.size() - (st.text.selEnd() - st.text.selStart());
    std::size_t wanted = before + DecodeUtf8ToU32(utf8).size();
    bool changed = st.text.replaceSelection(utf8, canUndo);
    if (wanted > st.text.limit()) Notify(hwnd, EN_MAXTEXT);
    if (changed) TextChanged(hwnd, st, true);
}

void Cut(HWND hwnd, EditState& st)
{
    if (ReadOnly(hwnd) || !Copy(hwnd, st)) return;
    ReplaceSelection(hwnd, st, "", true);
}

// Single-line edits take the first line of what is pasted.
void Paste(HWND hwnd, EditState& st)
{
    if (ReadOnly(hwnd)) return;
    auto text = TakeEditTextFromClipboard(hwnd);
    if (!text) return;
    std::string_view t = *text;
    if (!Multi(hwnd)) t = t.substr(0, t.find_first_of("\r\n"));
    ReplaceSelection(hwnd, st, t, true);
}

void Undo(HWND hwnd, EditState& st)
{
    st.typing = false;
    if (st.text.undo()) TextChanged(hwnd, st, true);
}

void TypeChar(HWND hwnd, EditState& st, char32_t c)
{
    if (ReadOnly(hwnd)) return;
    DWORD s = Style(hwnd);
    if (c == 8) {
        st.typing = false;
        if (st.text.deleteBackward()) TextChanged(hwnd, st, true);
        return;
    }
    std::u32string insert;
    if (c == U'\r' || c == U'\n') {
        if (!(s & ES_MULTILINE)) return;
        insert = U"\r\n";
    } else if (c == U'\t') {
        if (!(s & ES_MULTILINE)) return;
        insert = U"\t";
    } else if (c < 0x20 || c == 0x7F) {
        return;  // control characters of Ctrl+letter keys: handled as key commands
    } else {
        if ((s & ES_NUMBER) && (c < U'0' || c > U'9')) return;
        if (s & ES_UPPERCASE) c = base::toUpperCodePoint(c);
        insert = std::u32string(1, c);
    }
    bool continues = st.typing && !st.text.hasSelection();
    std::size_t before = st.text.size();
    std::size_t after = before - (st.text.selEnd() - st.text.selStart()) + insert.size();
    bool changed = after <= st.text.limit() && st.text.replaceSelection(std::u32string_view(insert), !continues);
    if (!changed) Notify(hwnd, EN_MAXTEXT);
    if (changed) {
        st.typing = true;
        TextChanged(hwnd, st, true);
    }
}

std::size_t StepLeft(const EditState& st, std::size_t i)
{
    const auto& t = st.text.text();
    if (i == 0) return 0;
    if (i >= 2 && t[i - 1] == U'\n' && t[i - 2] == U'\r') return i - 2;
    return i - 1;
}

std::size_t StepRight(const EditState& st, std::size_t i)
{
    const auto& t = st.text.text();
    if (i >= t.size()) return t.size();
    if (t[i] == U'\r' && i + 1 < t.size() && t[i + 1] == U'\n') return i + 2;
    return i + 1;
}

void MoveVertically(HWND hwnd, EditState& st, int delta, bool extend)
{
    std::size_t caret = st.text.caret();
    if (st.desiredX < 0) st.desiredX = PosFromChar(hwnd, st, caret).x;
    int n = std::clamp(LineOfIndex(st, caret) + delta, 0, int(st.lines.size()) - 1);
    int keepX = st.desiredX;
    st.text.moveCaret(CharAtLineX(hwnd, st, n, keepX), extend);
    SelectionChanged(hwnd, st);
    st.desiredX = keepX;
}

bool KeyDown(HWND hwnd, EditState& st, UINT vk)
{
    bool shift = GetKeyState(int(VK_SHIFT)) < 0;
    bool ctrl = GetKeyState(int(VK_CONTROL)) < 0;
    bool multi = Multi(hwnd);
    std::size_t caret = st.text.caret();
    auto move = [&](std::size_t to) {
        st.text.moveCaret(to, shift);
        st.desiredX = -1;
        SelectionChanged(hwnd, st);
    };
    const EditLine& line = st.lines[std::size_t(LineOfIndex(st, caret))];
    switch (vk) {
    case VK_LEFT:
        if (!shift && st.text.hasSelection() && !ctrl) return move(st.text.selStart()), true;
        return move(ctrl ? st.text.wordLeft(caret) : StepLeft(st, caret)), true;
    case VK_RIGHT:
        if (!shift && st.text.hasSelection() && !ctrl) return move(st.text.selEnd()), true;
        return move(ctrl ? st.text.wordRight(caret) : StepRight(st, caret)), true;
    case VK_UP:
        if (!multi) return move(StepLeft(st, caret)), true;
        MoveVertically(hwnd, st, -1, shift);
        return true;
    case VK_DOWN:
        if (!multi) return move(StepRight(st, caret)), true;
        MoveVertically(hwnd, st, 1, shift);
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        if (!multi) return false;
        {
            int page = VisibleLines(st) * (vk == VK_PRIOR ? -1 : 1);
            ScrollToLine(hwnd, st, st.firstLine + page);
            MoveVertically(hwnd, st, page, shift);
        }
        return true;
    case VK_HOME: return move(ctrl ? 0 : line.start), true;
    case VK_END: return move(ctrl ? st.text.size() : line.end), true;
    case VK_DELETE:
        if (shift) return Cut(hwnd, st), true;
        if (ReadOnly(hwnd)) return true;
        st.typing = false;
        if (st.text.deleteForward()) TextChanged(hwnd, st, true);
        return true;
    case VK_INSERT:
        if (ctrl) Copy(hwnd, st);
        if (shift) Paste(hwnd, st);
        return true;
    default: break;
    }
    if (!ctrl || shift) return false;
    switch (vk) {
    case 'A':
        st.text.select(0, st.text.size());
        SelectionChanged(hwnd, st);
        return true;
    case 'C': Copy(hwnd, st); return true;
    case 'X': Cut(hwnd, st); return true;
    case 'V': Paste(hwnd, st); return true;
    case 'Z': Undo(hwnd, st); return true;
    default: return false;
    }
}

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

void Paint(HWND hwnd, EditState& st)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    HFONT oldFont = SelectObject(dc, ControlFont(st.font));
    Colors colors = AskColors(hwnd, dc);
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

void SetFocusState(HWND hwnd, EditState& st, bool focused)
{
    st.focused = focused;
    if (focused) {
        CreateCaret(hwnd, HBITMAP{}, 1, st.lineHeight);
        PlaceCaret(hwnd, st);
        ShowCaret(hwnd);
    } else {
        st.selecting = false;
        DestroyCaret();
    }
    Repaint(hwnd);
    Notify(hwnd, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

LRESULT CopyTextOut(const std::string& text, WPARAM size, LPARAM buffer)
{
    if (!buffer || size == 0) return 0;
    std::size_t n = std::min<std::size_t>(text.size(), std::size_t(size) - 1);
    // Do not cut a character in half.
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    char* out = reinterpret_cast<char*>(buffer);
    std::copy_n(text.data(), n, out);
    out[n] = '\0';
    return LRESULT(n);
}

std::optional<LRESULT> HandleEditMessage(HWND hwnd, EditState& st, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case EM_GETSEL: {
        auto s = DWORD(st.text.selStart()), e = DWORD(st.text.selEnd());
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = s;
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = e;
        return LRESULT(MAKELPARAM(int(std::min<DWORD>(s, 0xFFFF)), int(std::min<DWORD>(e, 0xFFFF))));
    }
    case EM_SETSEL: {
        auto start = std::intptr_t(wParam), end = std::intptr_t(lParam);
        if (start < 0) {
            st.text.moveCaret(st.text.caret(), false);
        } else {
            std::size_t e = end < 0 ? st.text.size() : std::size_t(end);
            st.text.select(std::size_t(start), e);
        }
        st.typing = false;
        Repaint(hwnd);
        PlaceCaret(hwnd, st);
        return 0;
    }
    case EM_REPLACESEL:
        ReplaceSelection(hwnd, st, lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
        return 0;
    case EM_GETLINECOUNT: return LRESULT(st.lines.size());
    case EM_LINEINDEX: {
        auto n = std::intptr_t(wParam);
        if (n < 0) n = LineOfIndex(st, st.text.caret());
        if (n >= std::intptr_t(st.lines.size())) return -1;
        return LRESULT(st.lines[std::size_t(n)].start);
    }
    case EM_LINELENGTH: {
        auto i = std::intptr_t(wParam);
        std::size_t index = i < 0 ? st.text.caret() : std::size_t(i);
        const EditLine& line = st.lines[std::size_t(LineOfIndex(st, index))];
        return LRESULT(line.end - line.start);
    }
    case EM_LINEFROMCHAR: {
        auto i = std::intptr_t(wParam);
        return LineOfIndex(st, i < 0 ? st.text.selStart() : std::size_t(i));
    }
    case EM_GETLINE: {
        if (!lParam || wParam >= st.lines.size()) return 0;
        const EditLine& line = st.lines[wParam];
        *reinterpret_cast<std::string*>(lParam) = st.text.utf8(line.start, line.end);
        return LRESULT(line.end - line.start);
    }
    case EM_LIMITTEXT: st.text.setLimit(std::size_t(wParam)); return 0;
    case EM_GETLIMITTEXT: return LRESULT(st.text.limit());
    case EM_CANUNDO: return st.text.canUndo();
    case EM_UNDO:
    case WM_UNDO: {
        bool could = st.text.canUndo();
        Undo(hwnd, st);
        return could;
    }
    case EM_EMPTYUNDOBUFFER: st.text.clearUndo(); return 0;
    case EM_GETMODIFY: return st.modified;
    case EM_SETMODIFY: st.modified = wParam != 0; return 0;
    case EM_SETREADONLY: {
        DWORD s = Style(hwnd);
        SetWindowLongPtr(hwnd, GWL_STYLE, LONG_PTR(wParam ? (s | ES_READONLY) : (s & ~ES_READONLY)));
        Repaint(hwnd);
        return TRUE;
    }
    case EM_SETPASSWORDCHAR: {
        st.password = char32_t(wParam);
        DWORD s = Style(hwnd);
        SetWindowLongPtr(hwnd, GWL_STYLE, LONG_PTR(wParam ? (s | ES_PASSWORD) : (s & ~ES_PASSWORD)));
        Relayout(hwnd, st);
        Repaint(hwnd);
        PlaceCaret(hwnd, st);
        return 0;
    }
    case EM_GETPASSWORDCHAR: return LRESULT(st.password);
    case EM_SCROLL: {
        if (!Multi(hwnd)) return 0;
        int before = st.firstLine, page = VisibleLines(st);
        switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollToLine(hwnd, st, before - 1); break;
        case SB_LINEDOWN: ScrollToLine(hwnd, st, before + 1); break;
        case SB_PAGEUP: ScrollToLine(hwnd, st, before - page); break;
        case SB_PAGEDOWN: ScrollToLine(hwnd, st, before + page); break;
        default: return FALSE;
        }
        return LRESULT(MAKELPARAM(st.firstLine - before, TRUE));
    }
    case EM_LINESCROLL:
        if (!Multi(hwnd)) return FALSE;
        ScrollToLine(hwnd, st, st.firstLine + int(lParam));
        return TRUE;
    case EM_SCROLLCARET: ScrollCaretIntoView(hwnd, st); return TRUE;
    case EM_GETFIRSTVISIBLELINE: return Multi(hwnd) ? st.firstLine : 0;
    case EM_GETTHUMB: return st.firstLine;
    case EM_GETRECT:
        if (lParam) *reinterpret_cast<RECT*>(lParam) = st.format;
        return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (lParam) {
            st.format = *reinterpret_cast<const RECT*>(lParam);
            st.customFormat = true;
        } else {
            st.customFormat = false;
        }
        UpdateFormatRect(hwnd, st);
        Relayout(hwnd, st);
        UpdateScrollBar(hwnd, st);
        if (msg == EM_SETRECT) Repaint(hwnd);
        return 0;
    case EM_SETMARGINS: {
        int avg = FontFor(st)->metrics().avgCharWidth;
        auto pick = [&](WORD v) { return v == EC_USEFONTINFO ? std::max(1, avg / 3) : int(v); };
        if (wParam & EC_LEFTMARGIN) st.leftMargin = pick(LOWORD(std::uintptr_t(lParam)));
        if (wParam & EC_RIGHTMARGIN) st.rightMargin = pick(HIWORD(std::uintptr_t(lParam)));
        st.customFormat = false;
        UpdateFormatRect(hwnd, st);
        Relayout(hwnd, st);
        Repaint(hwnd);
        return 0;
    }
    case EM_GETMARGINS: return LRESULT(MAKELPARAM(st.leftMargin, st.rightMargin));
    case EM_POSFROMCHAR: {
        if (wParam > st.text.size()) return -1;
        POINT p = PosFromChar(hwnd, st, std::size_t(wParam));
        return LRESULT(MAKELPARAM(p.x, p.y));
    }
    case EM_CHARFROMPOS: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        std::size_t i = CharFromPos(hwnd, st, p);
        return LRESULT(MAKELPARAM(int(std::min<std::size_t>(i, 0xFFFF)), LineOfIndex(st, i)));
    }
    default: return std::nullopt;
    }
}

LRESULT EditProc(HWND hwnd, EditState& st, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCDESTROY:
        if (st.focused) DestroyCaret();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_CREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs->style & ES_PASSWORD) st.password = U'*';
        UpdateFormatRect(hwnd, st);
        st.text.setText(cs->lpszName ? cs->lpszName : "");
        Relayout(hwnd, st);
        UpdateScrollBar(hwnd, st);
        return 0;
    }
    case WM_SIZE:
        UpdateFormatRect(hwnd, st);
        Relayout(hwnd, st);
        if (st.firstLine > MaxFirstLine(st)) st.firstLine = MaxFirstLine(st);
        UpdateScrollBar(hwnd, st);
        Repaint(hwnd);
        PlaceCaret(hwnd, st);
        return 0;
    case WM_SETTEXT:
        st.text.setText(lParam ? reinterpret_cast<const char*>(lParam) : "");
        st.firstLine = 0;
        st.xOffset = 0;
        st.typing = false;
        TextChanged(hwnd, st, false);
        st.modified = false;
        return TRUE;
    case WM_GETTEXT: return CopyTextOut(st.text.utf8(), wParam, lParam);
    case WM_GETTEXTLENGTH: return LRESULT(st.text.utf8().size());
    case WM_SETFONT:
        st.font = HFONT(HGDIOBJ(std::uint64_t(wParam)));
        UpdateFormatRect(hwnd, st);
        Relayout(hwnd, st);
        UpdateScrollBar(hwnd, st);
        if (st.focused) {
            CreateCaret(hwnd, HBITMAP{}, 1, st.lineHeight);
            ShowCaret(hwnd);
        }
        PlaceCaret(hwnd, st);
        if (LOWORD(std::uintptr_t(lParam))) Repaint(hwnd);
        return 0;
    case WM_GETFONT: return LRESULT(st.font.value);
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if ((Style(hwnd) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN))
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, st); return 0;
    case WM_SETFOCUS: SetFocusState(hwnd, st, true); return 0;
    case WM_KILLFOCUS: SetFocusState(hwnd, st, false); return 0;
    case WM_ENABLE:
    case WM_STYLECHANGED: Repaint(hwnd); return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_KEYDOWN:
        if (KeyDown(hwnd, st, UINT(wParam))) return 0;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_CHAR: TypeChar(hwnd, st, char32_t(wParam)); return 0;
    case WM_CUT: Cut(hwnd, st); return 0;
    case WM_COPY: Copy(hwnd, st); return 0;
    case WM_PASTE: Paste(hwnd, st); return 0;
    case WM_CLEAR:
        if (!ReadOnly(hwnd) && st.text.hasSelection()) ReplaceSelection(hwnd, st, "", true);
        return 0;
    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd) SetFocus(hwnd);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        st.text.moveCaret(CharFromPos(hwnd, st, p), (wParam & MK_SHIFT) != 0);
        st.selecting = true;
        st.desiredX = -1;
        SetCapture(hwnd);
        SelectionChanged(hwnd, st);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        std::size_t i = CharFromPos(hwnd, st, p);
        std::size_t from = st.text.wordLeft(std::min(i + 1, st.text.size()));
        std::size_t to = st.text.wordRight(from);
        // The word without the spaces after it.
        while (to > from && (st.text.text()[to - 1] == U' ' || st.text.text()[to - 1] == U'\n' ||
                             st.text.text()[to - 1] == U'\r' || st.text.text()[to - 1] == U'\t'))
            --to;
        st.text.select(from, to);
        SelectionChanged(hwnd, st);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (st.selecting && GetCapture() == hwnd) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            std::size_t to = CharFromPos(hwnd, st, p);
            if (to != st.text.caret()) {
                st.text.moveCaret(to, true);
                SelectionChanged(hwnd, st);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (st.selecting) {
            st.selecting = false;
            if (GetCapture() == hwnd) ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED: st.selecting = false; return 0;
    case WM_VSCROLL: {
        if (!Multi(hwnd)) return 0;
        int page = VisibleLines(st);
        switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollToLine(hwnd, st, st.firstLine - 1); break;
        case SB_LINEDOWN: ScrollToLine(hwnd, st, st.firstLine + 1); break;
        case SB_PAGEUP: ScrollToLine(hwnd, st, st.firstLine - page); break;
        case SB_PAGEDOWN: ScrollToLine(hwnd, st, st.firstLine + page); break;
        case SB_TOP: ScrollToLine(hwnd, st, 0); break;
        case SB_BOTTOM: ScrollToLine(hwnd, st, MaxFirstLine(st)); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The 16-bit position in wParam is cut short for long texts; while the bar's own
            // thumb is dragged it has the full one (the same in its low 16 bits).
            int pos = HIWORD(wParam);
            SCROLLINFO si;
            si.fMask = SIF_TRACKPOS;
            if ((Style(hwnd) & WS_VSCROLL) && GetScrollInfo(hwnd, SB_VERT, &si) && (si.nTrackPos & 0xFFFF) == pos)
                pos = si.nTrackPos;
            ScrollToLine(hwnd, st, pos);
            break;
        }
        default: break;
        }
        return 0;
    }
    case WM_MOUSEWHEEL: {
        if (!Multi(hwnd)) return DefWindowProc(hwnd, msg, wParam, lParam);
        st.wheelRest += std::int16_t(HIWORD(wParam));
        int notches = st.wheelRest / WHEEL_DELTA;
        st.wheelRest -= notches * WHEEL_DELTA;
        if (notches) ScrollToLine(hwnd, st, st.firstLine - notches * kWheelLines);
        return 0;
    }
    default: break;
    }
    if (auto answer = HandleEditMessage(hwnd, st, msg, wParam, lParam)) return *answer;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterEditClass()
{
    RegisterControlClass<EditState, EditProc>(kEditClassName, IDC_IBEAM);
}

}  // namespace plat
