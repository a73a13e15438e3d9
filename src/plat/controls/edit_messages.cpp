#include "plat/controls/edit_messages.h"

#include <algorithm>

#include "plat/controls/edit_editing.h"
#include "plat/controls/edit_view.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/windowing.h"

namespace plat::edit {

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

}  // namespace plat::edit
