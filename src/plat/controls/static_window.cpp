#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/control_state.h"
#include "plat/controls/static_class.h"
#include "plat/controls/static_styles.h"
#include "plat/gdi/gdi.h"
#include "plat/windowing.h"

namespace plat {

namespace {

struct StaticState {
    HFONT font;
    HICON icon;
    HBITMAP bitmap;
};

DWORD Kind(DWORD style) { return style & SS_TYPEMASK; }
bool IsText(DWORD kind)
{
    return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_SIMPLE || kind == SS_LEFTNOWORDWRAP;
}

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

HBRUSH AskBackground(HWND hwnd, HDC dc)
{
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    HWND parent = GetParent(hwnd);
    LRESULT answer = parent ? SendMessage(parent, WM_CTLCOLORSTATIC, WPARAM(dc.value), LPARAM(hwnd.value)) : 0;
    HBRUSH brush{HGDIOBJ(std::uint64_t(answer))};
    if (!answer || !GetObjectType(brush)) brush = GetSysColorBrush(COLOR_BTNFACE);
    return brush;
}

UINT TextFormat(DWORD style)
{
    DWORD kind = Kind(style);
    UINT f = DT_EXPANDTABS;
    if (kind == SS_CENTER) f |= DT_CENTER;
    if (kind == SS_RIGHT) f |= DT_RIGHT;
    if (kind == SS_SIMPLE || kind == SS_LEFTNOWORDWRAP)
        f |= DT_SINGLELINE;
    else
        f |= DT_WORDBREAK;
    if (style & SS_CENTERIMAGE) f = (f & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (style & SS_NOPREFIX) f |= DT_NOPREFIX;
    switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS: f |= DT_END_ELLIPSIS; break;
    case SS_PATHELLIPSIS: f |= DT_PATH_ELLIPSIS; break;
    case SS_WORDELLIPSIS: f |= DT_WORD_ELLIPSIS; break;
    default: break;
    }
    return f;
}

void PaintImage(HDC dc, const RECT& r, const StaticState& st, DWORD style)
{
    if (Kind(style) == SS_ICON && st.icon) {
        SIZE s = IconSize(st.icon);
        int x = 0, y = 0;
        if (style & SS_CENTERIMAGE) {
            x = (r.width() - s.width) / 2;
            y = (r.height() - s.height) / 2;
        }
        DrawIconEx(dc, x, y, st.icon, 0, 0, 0, HBRUSH{}, DI_NORMAL);
    } else if (Kind(style) == SS_BITMAP && st.bitmap) {
        BITMAP bm;
        if (!GetObject(st.bitmap, sizeof(bm), &bm)) return;
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP old = SelectObject(mem, st.bitmap);
        int x = 0, y = 0;
        if (style & SS_CENTERIMAGE) {
            x = (r.width() - bm.bmWidth) / 2;
            y = (r.height() - bm.bmHeight) / 2;
        }
        BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
    }
}

void Paint(HWND hwnd, StaticState& st)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    DWORD style = GetWindowStyle(hwnd);
    RECT r = ClientRect(hwnd);
    HFONT font = ControlFont(st.font);
    HFONT old = SelectObject(dc, font);
    HBRUSH background = AskBackground(hwnd, dc);
    if (!IsWindow(hwnd)) {  // the parent destroyed the control while choosing its colours
        EndPaint(hwnd, &ps);
        return;
    }
    DWORD kind = Kind(style);
    switch (kind) {
    case SS_BLACKRECT: FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    case SS_GRAYRECT: FillRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW)); break;
    case SS_WHITERECT: FillRect(dc, &r, GetSysColorBrush(COLOR_BTNHIGHLIGHT)); break;
    case SS_BLACKFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    case SS_GRAYFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW)); break;
    case SS_WHITEFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNHIGHLIGHT)); break;
    case SS_ETCHEDHORZ: {
        FillRect(dc, &r, background);
        RECT e = r;
        DrawEdge(dc, &e, EDGE_ETCHED, BF_TOP);
        break;
    }
    case SS_ETCHEDVERT: {
        FillRect(dc, &r, background);
        RECT e = r;
        DrawEdge(dc, &e, EDGE_ETCHED, BF_LEFT);
        break;
    }
    case SS_ETCHEDFRAME: {
        FillRect(dc, &r, background);
        RECT e = r;
        DrawEdge(dc, &e, EDGE_ETCHED, BF_RECT);
        break;
    }
    case SS_ICON:
    case SS_BITMAP:
        FillRect(dc, &r, background);
        PaintImage(dc, r, st, style);
        break;
    case SS_OWNERDRAW:
    case SS_USERITEM:
    case SS_ENHMETAFILE: FillRect(dc, &r, background); break;
    default: {
        FillRect(dc, &r, background);
        SetBkMode(dc, TRANSPARENT);
        RECT t = r;
        DrawText(dc, GetWindowText(hwnd), &t, TextFormat(style));
        break;
    }
    }
    if (style & SS_SUNKEN) {
        RECT e = r;
        DrawEdge(dc, &e, BDR_SUNKENOUTER, BF_RECT);
    }
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

// Icon statics take the size of their icon unless they centre it.
void FitToIcon(HWND hwnd, HICON icon)
{
    if (!icon || (GetWindowStyle(hwnd) & SS_CENTERIMAGE)) return;
    SIZE s = IconSize(icon);
    if (s.width > 0 && s.height > 0)
        SetWindowPos(hwnd, HWND{}, 0, 0, s.width, s.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT StaticProc(HWND hwnd, StaticState& st, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD style = GetWindowStyle(hwnd);
    switch (msg) {
    case WM_NCHITTEST:
        if (!(style & SS_NOTIFY)) return HTTRANSPARENT;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (style & SS_NOTIFY) NotifyParent(hwnd, msg == WM_LBUTTONDOWN ? STN_CLICKED : STN_DBLCLK);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, st); return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
        Repaint(hwnd);
        return r;
    }
    case WM_SIZE:
        if (IsText(Kind(style))) Repaint(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        st.font = HFONT(HGDIOBJ(std::uint64_t(wParam)));
        if (LOWORD(std::uintptr_t(lParam))) Repaint(hwnd);
        return 0;
    case WM_GETFONT: return LRESULT(st.font.value);
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETICON: {
        HICON old = st.icon;
        st.icon = HICON(HGDIOBJ(std::uint64_t(wParam)));
        FitToIcon(hwnd, st.icon);
        Repaint(hwnd);
        return LRESULT(old.value);
    }
    case STM_GETICON: return LRESULT(st.icon.value);
    case STM_SETIMAGE: {
        if (wParam == IMAGE_ICON) return StaticProc(hwnd, st, STM_SETICON, WPARAM(lParam), 0);
        if (wParam != IMAGE_BITMAP) return 0;
        HBITMAP old = st.bitmap;
        st.bitmap = HBITMAP(HGDIOBJ(std::uint64_t(lParam)));
        Repaint(hwnd);
        return LRESULT(old.value);
    }
    case STM_GETIMAGE:
        if (wParam == IMAGE_ICON) return LRESULT(st.icon.value);
        if (wParam == IMAGE_BITMAP) return LRESULT(st.bitmap.value);
        return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterStaticClass()
{
    RegisterControlClass<StaticState, StaticProc>(kStaticClassName, IDC_ARROW);
}

}  // namespace plat
