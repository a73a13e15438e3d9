#include <algorithm>
#include <string>

#include "base/utf8.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/control_state.h"
#include "plat/controls/edit_class.h"
#include "plat/controls/edit_editing.h"
#include "plat/controls/edit_keys.h"
#include "plat/controls/edit_messages.h"
#include "plat/controls/edit_paint.h"
#include "plat/controls/edit_state.h"
#include "plat/controls/edit_view.h"
#include "plat/gdi/gdi.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/windowing.h"

namespace plat {

namespace {

using namespace edit;

constexpr int kWheelLines = 3;

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
    NotifyParent(hwnd, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

LRESULT CopyTextOut(const std::string& text, WPARAM size, LPARAM buffer)
{
    if (!buffer || size == 0) return 0;
    std::size_t n = base::utf8PrefixLength(text, std::size_t(size) - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::copy_n(text.data(), n, out);
    out[n] = '\0';
    return LRESULT(n);
}

LRESULT EditProc(HWND hwnd, EditState& st, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCDESTROY:
        if (st.focused) DestroyCaret();
        st.focused = false;
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
    case WM_GETTEXTLENGTH: return LRESULT(st.text.utf8Size());
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
        if (!IsWindow(hwnd)) return 0;
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
