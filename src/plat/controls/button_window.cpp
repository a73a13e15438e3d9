#include <string>

#include "plat/controls/button_class.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_drawing.h"
#include "plat/controls/button_styles.h"
#include "plat/controls/control_state.h"
#include "plat/gdi/gdi.h"
#include "plat/windowing.h"

namespace plat {

namespace {

struct ButtonState {
    HFONT font;
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;    // drawn pushed
    bool tracking = false;  // the mouse holds it
    bool spaceDown = false;
    bool focused = false;
    HGDIOBJ image;
};

DWORD Kind(HWND hwnd) { return GetWindowStyle(hwnd) & BS_TYPEMASK; }
bool IsPush(DWORD kind) { return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_USERBUTTON; }
bool IsRadio(DWORD kind) { return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON; }
bool IsCheck(DWORD kind)
{
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
}

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

void SetPushed(HWND hwnd, ButtonState& st, bool pushed)
{
    if (st.pushed == pushed) return;
    st.pushed = pushed;
    Repaint(hwnd);
    if (GetWindowStyle(hwnd) & BS_NOTIFY) NotifyParent(hwnd, pushed ? BN_HILITE : BN_UNHILITE);
}

// The auto radio buttons of one group: the run of them next to each other among the siblings.
// Any other kind of control ends the run. Walking both ways keeps this independent of which
// end of the sibling list the core puts a new child.
bool IsAutoRadio(HWND h)
{
    return GetClassName(h) == kButtonClassName && (GetWindowStyle(h) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

void UncheckGroupSiblings(HWND hwnd)
{
    for (UINT way : {UINT(GW_HWNDPREV), UINT(GW_HWNDNEXT)})
        for (HWND h = GetWindow(hwnd, way); h && IsAutoRadio(h); h = GetWindow(h, way))
            SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
}

// Auto kinds change their check, then the parent hears of the click. The parent may destroy
// the button while handling it, so nothing of the button is used afterwards.
void Click(HWND hwnd, ButtonState& st)
{
    switch (Kind(hwnd)) {
    case BS_AUTOCHECKBOX: SendMessage(hwnd, BM_SETCHECK, st.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0); break;
    case BS_AUTO3STATE: SendMessage(hwnd, BM_SETCHECK, (st.check + 1) % 3, 0); break;
    case BS_AUTORADIOBUTTON:
        UncheckGroupSiblings(hwnd);
        SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        break;
    default: break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

HBRUSH AskBackground(HWND hwnd, HDC dc, bool push)
{
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    HWND parent = GetParent(hwnd);
    LRESULT answer =
        parent ? SendMessage(parent, push ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC, WPARAM(dc.value), LPARAM(hwnd.value))
               : 0;
    HBRUSH brush{HGDIOBJ(std::uint64_t(answer))};
    if (!answer || !GetObjectType(brush)) brush = GetSysColorBrush(COLOR_BTNFACE);
    return brush;
}

void Paint(HWND hwnd, ButtonState& st)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    HFONT font = ControlFont(st.font);
    HFONT old = SelectObject(dc, font);
    DWORD style = GetWindowStyle(hwnd);
    HBRUSH background = AskBackground(hwnd, dc, IsPush(style & BS_TYPEMASK));
    if (!IsWindow(hwnd)) {  // the parent destroyed the control while choosing its colours
        EndPaint(hwnd, &ps);
        return;
    }
    ButtonLook look;
    look.style = style;
    look.check = st.check;
    look.pushed = st.pushed;
    look.focused = st.focused;
    look.enabled = IsWindowEnabled(hwnd);
    look.isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    DrawButton(dc, ClientRect(hwnd), GetWindowText(hwnd), look, background);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

LRESULT DialogCode(HWND hwnd)
{
    DWORD kind = Kind(hwnd);
    if (kind == BS_GROUPBOX) return DLGC_STATIC;
    if (kind == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (IsPush(kind)) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (IsRadio(kind)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
    return DLGC_BUTTON;
}

bool Inside(HWND hwnd, LPARAM lParam)
{
    RECT c = ClientRect(hwnd);
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    return x >= c.left && x < c.right && y >= c.top && y < c.bottom;
}

LRESULT ButtonProc(HWND hwnd, ButtonState& st, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD kind = Kind(hwnd);
    switch (msg) {
    case WM_NCHITTEST:
        // Group boxes are frames around other controls: clicks go through them.
        if (kind == BS_GROUPBOX) return HTTRANSPARENT;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, st); return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
        Repaint(hwnd);
        return r;
    }
    case WM_SETFONT:
        st.font = HFONT(HGDIOBJ(std::uint64_t(wParam)));
        if (LOWORD(std::uintptr_t(lParam))) Repaint(hwnd);
        return 0;
    case WM_GETFONT: return LRESULT(st.font.value);
    case WM_GETDLGCODE: return DialogCode(hwnd);
    case WM_SETFOCUS:
        st.focused = true;
        Repaint(hwnd);
        if (GetWindowStyle(hwnd) & BS_NOTIFY) NotifyParent(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        st.focused = false;
        st.spaceDown = false;
        if (st.tracking && GetCapture() == hwnd) ReleaseCapture();
        st.tracking = false;
        SetPushed(hwnd, st, false);
        Repaint(hwnd);
        if (GetWindowStyle(hwnd) & BS_NOTIFY) NotifyParent(hwnd, BN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (kind == BS_GROUPBOX) return 0;
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!IsWindow(hwnd)) return 0;
        st.tracking = true;
        SetCapture(hwnd);
        SetPushed(hwnd, st, true);
        return 0;
    case WM_MOUSEMOVE:
        if (st.tracking) SetPushed(hwnd, st, Inside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!st.tracking) return 0;
        st.tracking = false;
        bool clicked = st.pushed && Inside(hwnd, lParam);
        SetPushed(hwnd, st, false);
        if (GetCapture() == hwnd) ReleaseCapture();
        if (clicked) Click(hwnd, st);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (st.tracking) {
            st.tracking = false;
            SetPushed(hwnd, st, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && kind != BS_GROUPBOX) {
            if (!st.tracking) {
                st.spaceDown = true;
                SetPushed(hwnd, st, true);
            }
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_KEYUP:
        if (wParam == VK_SPACE && st.spaceDown) {
            st.spaceDown = false;
            SetPushed(hwnd, st, false);
            Click(hwnd, st);
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_CHAR:
        if (wParam == U' ') return 0;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case BM_GETCHECK: return LRESULT(IsCheck(kind) || IsRadio(kind) ? st.check : BST_UNCHECKED);
    case BM_SETCHECK: {
        WPARAM value = wParam;
        if (kind != BS_3STATE && kind != BS_AUTO3STATE && value == BST_INDETERMINATE) value = BST_CHECKED;
        if (value > BST_INDETERMINATE) value = BST_CHECKED;
        if (!IsCheck(kind) && !IsRadio(kind)) return 0;
        if (st.check != value) {
            st.check = value;
            Repaint(hwnd);
        }
        return 0;
    }
    case BM_GETSTATE:
        return LRESULT(st.check | (st.pushed ? BST_PUSHED : 0) | (st.focused ? BST_FOCUS : 0));
    case BM_SETSTATE:
        SetPushed(hwnd, st, wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        DWORD style = (GetWindowStyle(hwnd) & ~DWORD(0xFFFF)) | DWORD(wParam & 0xFFFF);
        SetWindowLongPtr(hwnd, GWL_STYLE, LONG_PTR(style));
        if (lParam) Repaint(hwnd);
        return 0;
    }
    case BM_CLICK:
        if (IsWindowEnabled(hwnd) && kind != BS_GROUPBOX) Click(hwnd, st);
        return 0;
    case BM_GETIMAGE: return LRESULT(st.image.value);
    case BM_SETIMAGE: {
        HGDIOBJ old = st.image;
        st.image = HGDIOBJ(std::uint64_t(lParam));
        Repaint(hwnd);
        return LRESULT(old.value);
    }
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterButtonClass()
{
    RegisterControlClass<ButtonState, ButtonProc>(kButtonClassName, IDC_ARROW, CS_HREDRAW | CS_VREDRAW);
}

}  // namespace plat
