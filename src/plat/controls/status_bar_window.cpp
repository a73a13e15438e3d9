#include <algorithm>
#include <string>
#include <vector>

#include "base/utf8.h"
#include "plat/controls/control_state.h"
#include "plat/controls/status_bar_class.h"
#include "plat/controls/status_bar_layout.h"
#include "plat/controls/status_bar_messages.h"
#include "plat/gdi/gdi.h"
#include "plat/windowing.h"

namespace plat {

namespace {

constexpr WPARAM kWmszBottomRight = 8;

struct Part {
    std::string text;
    WPARAM flags = 0;
};

struct StatusBarState {
    HFONT font;
    std::vector<int> rights{-1};
    std::vector<Part> parts{Part{}};
    Part simple;
    bool isSimple = false;
    bool aligning = false;
    int minHeight = 0;
};

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

HFONT FontFor(const StatusBarState& st)
{
    return ControlFont(st.font);
}

int BarHeight(const StatusBarState& st)
{
    auto f = FontOf(FontFor(st));
    int text = f ? f->metrics().height : 13;
    return std::max(st.minHeight, text + 7);
}

// The grip only makes sense while the top-level window can be sized.
bool HasGrip(HWND hwnd)
{
    if (!(GetWindowStyle(hwnd) & SBARS_SIZEGRIP)) return false;
    HWND top = GetAncestor(hwnd, GA_ROOT);
    return top && (GetWindowStyle(top) & WS_THICKFRAME) && !IsZoomed(top);
}

void AlignToParent(HWND hwnd, StatusBarState& st)
{
    DWORD style = GetWindowStyle(hwnd);
    if (st.aligning || (style & CCS_NORESIZE)) return;
    HWND parent = GetParent(hwnd);
    if (!parent || !(style & WS_CHILD)) return;
    st.aligning = true;
    RECT pc = ClientRect(parent);
    int h = BarHeight(st);
    if (style & CCS_NOPARENTALIGN) {
        RECT r = WindowRect(hwnd);
        SetWindowPos(hwnd, HWND{}, 0, 0, r.width(), h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        bool top = (style & CCS_BOTTOM) == CCS_TOP;
        SetWindowPos(hwnd, HWND{}, pc.left, top ? pc.top : pc.bottom - h, pc.width(), h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    st.aligning = false;
}

// A panel text: tabs split it into left, centred and right-aligned pieces.
void DrawPanelText(HDC dc, const std::string& text, RECT r)
{
    r.left += 3;
    r.right -= 3;
    const UINT kFormats[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    std::size_t from = 0;
    for (int piece = 0; piece < 3 && from <= text.size(); ++piece) {
        std::size_t tab = piece < 2 ? text.find('\t', from) : std::string::npos;
        std::string_view part = std::string_view(text).substr(from, tab == std::string::npos ? std::string::npos : tab - from);
        RECT t = r;
        if (!part.empty()) DrawText(dc, part, &t, kFormats[piece] | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (tab == std::string::npos) break;
        from = tab + 1;
    }
}

void DrawPanel(HDC dc, const Part& part, RECT r)
{
    if (!(part.flags & SBT_NOBORDERS)) {
        RECT e = r;
        DrawEdge(dc, &e, (part.flags & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    }
    RECT t = r.inflated(-1, -1);
    SaveDC(dc);
    IntersectClipRect(dc, t.left, t.top, t.right, t.bottom);
    DrawPanelText(dc, part.text, t);
    RestoreDC(dc, -1);
}

// Three pairs of diagonal lines in the bottom-right corner.
void DrawGrip(HDC dc, const RECT& client)
{
    int x = client.right - 1, y = client.bottom - 1;
    for (int i = 0; i < 3; ++i) {
        int d = 3 + i * 4;
        for (int k = 0; k < 3; ++k) {
            int color = k == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
            int off = d + k;
            HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(color));
            HPEN old = SelectObject(dc, pen);
            MoveToEx(dc, x - off, y, nullptr);
            LineTo(dc, x + 1, y - off - 1);
            SelectObject(dc, old);
            DeleteObject(pen);
        }
    }
}

void Paint(HWND hwnd, StatusBarState& st)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client = ClientRect(hwnd);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    HFONT old = SelectObject(dc, FontFor(st));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    bool grip = HasGrip(hwnd);
    if (st.isSimple) {
        Part p = st.simple;
        p.flags |= SBT_NOBORDERS;
        RECT r = StatusBarLayout::simpleRect(client);
        if (grip) r.right -= StatusBarLayout::gripWidth(client.height());
        DrawPanel(dc, p, r);
    } else {
        for (int i = 0; i < int(st.parts.size()); ++i)
            DrawPanel(dc, st.parts[std::size_t(i)], StatusBarLayout::partRect(client, st.rights, i, grip));
    }
    if (grip) DrawGrip(dc, client);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

Part* PartFor(StatusBarState& st, WPARAM index)
{
    if (index == SB_SIMPLEID) return &st.simple;
    if (index < st.parts.size()) return &st.parts[index];
    return nullptr;
}

bool InGrip(HWND hwnd, LPARAM lParam)
{
    if (!HasGrip(hwnd)) return false;
    RECT g = StatusBarLayout::gripRect(ClientRect(hwnd));
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    return x >= g.left && x < g.right && y >= g.top && y < g.bottom;
}

LRESULT StatusBarProc(HWND hwnd, StatusBarState& st, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        st.parts[0].text = cs->lpszName ? cs->lpszName : "";
        AlignToParent(hwnd, st);
        return 0;
    }
    case WM_SIZE:
        AlignToParent(hwnd, st);
        Repaint(hwnd);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, st); return 0;
    case WM_SETFONT:
        st.font = HFONT(HGDIOBJ(std::uint64_t(wParam)));
        AlignToParent(hwnd, st);
        if (LOWORD(std::uintptr_t(lParam))) Repaint(hwnd);
        return 0;
    case WM_GETFONT: return LRESULT(st.font.value);
    case WM_SETTEXT: {
        DefWindowProc(hwnd, msg, wParam, lParam);
        st.parts[0].text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        Repaint(hwnd);
        return TRUE;
    }
    case WM_SETCURSOR:
        if (HWND(HwndFromParam(wParam)) == hwnd && LOWORD(std::uintptr_t(lParam)) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(hwnd, &p);
            if (InGrip(hwnd, MAKELPARAM(p.x, p.y))) {
                SetCursor(LoadCursor(IDC_SIZENWSE));
                return TRUE;
            }
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        if (InGrip(hwnd, lParam)) {
            // The grip sizes the top-level window by its bottom-right corner.
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &p);
            SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_SIZE | kWmszBottomRight, MAKELPARAM(p.x, p.y));
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case SB_SETTEXTA:
    case SB_SETTEXTW: {
        Part* p = PartFor(st, wParam & 0xFF);
        if (!p) return FALSE;
        p->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        p->flags = wParam & ~WPARAM(0xFF);
        Repaint(hwnd);
        return TRUE;
    }
    case SB_GETTEXTA:
    case SB_GETTEXTW: {
        Part* p = PartFor(st, LOWORD(wParam) & 0xFF);
        if (!p) return 0;
        // The high word carries the buffer size: a buffer of unknown size is never written.
        std::size_t size = HIWORD(wParam);
        if (lParam && size > 0) {
            std::size_t n = base::utf8PrefixLength(p->text, size - 1);
            char* out = reinterpret_cast<char*>(lParam);
            std::copy_n(p->text.data(), n, out);
            out[n] = '\0';
        }
        return LRESULT(MAKELPARAM(int(std::min<std::size_t>(p->text.size(), 0xFFFF)), int(p->flags >> 8)));
    }
    case SB_GETTEXTLENGTHA:
    case SB_GETTEXTLENGTHW: {
        Part* p = PartFor(st, wParam & 0xFF);
        if (!p) return 0;
        return LRESULT(MAKELPARAM(int(std::min<std::size_t>(p->text.size(), 0xFFFF)), int(p->flags >> 8)));
    }
    case SB_SETPARTS: {
        if (wParam == 0 || wParam > kStatusBarMaxParts || !lParam) return FALSE;
        const int* rights = reinterpret_cast<const int*>(lParam);
        st.rights.assign(rights, rights + wParam);
        st.parts.resize(wParam);
        Repaint(hwnd);
        return TRUE;
    }
    case SB_GETPARTS: {
        if (lParam) {
            int* out = reinterpret_cast<int*>(lParam);
            std::size_t n = std::min<std::size_t>(wParam, st.rights.size());
            std::copy_n(st.rights.begin(), n, out);
        }
        return LRESULT(st.rights.size());
    }
    case SB_GETBORDERS:
        if (lParam) {
            int* out = reinterpret_cast<int*>(lParam);
            out[0] = 0;
            out[1] = StatusBarLayout::kTopBorder;
            out[2] = StatusBarLayout::kGap;
        }
        return TRUE;
    case SB_SETMINHEIGHT:
        st.minHeight = int(wParam);
        AlignToParent(hwnd, st);
        return 0;
    case SB_SIMPLE:
        if (st.isSimple != (wParam != 0)) {
            st.isSimple = wParam != 0;
            Repaint(hwnd);
        }
        return 0;
    case SB_ISSIMPLE: return st.isSimple;
    case SB_GETRECT: {
        if (!lParam) return FALSE;
        RECT client = ClientRect(hwnd);
        RECT r;
        if (st.isSimple) {
            r = StatusBarLayout::simpleRect(client);
        } else {
            if (wParam >= st.parts.size()) return FALSE;
            r = StatusBarLayout::partRect(client, st.rights, int(wParam), HasGrip(hwnd));
        }
        *reinterpret_cast<RECT*>(lParam) = r;
        return TRUE;
    }
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

std::string StatusBarText(HWND bar, int part)
{
    LRESULT info = SendMessage(bar, SB_GETTEXTLENGTH, WPARAM(part), 0);
    std::size_t length = LOWORD(std::uintptr_t(info));
    std::string text(length + 1, '\0');
    SendMessage(bar, SB_GETTEXT, MAKEWPARAM(part, int(text.size())), LPARAM(text.data()));
    text.resize(length);
    return text;
}

void RegisterStatusBarClass()
{
    RegisterControlClass<StatusBarState, StatusBarProc>(kStatusBarClassName, IDC_ARROW, CS_HREDRAW | CS_VREDRAW);
}

}  // namespace plat
