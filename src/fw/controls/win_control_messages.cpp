#include <vector>

#include "fw/controls/application_core.h"
#include "fw/controls/cursors.h"
#include "fw/controls/win_control.h"
#include "plat/gdi/dc.h"
#include "plat/gdi/shapes.h"
#include "plat/menus/menu_owner_draw.h"
#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/paint.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace fw {

using namespace plat;

namespace {

bool IsClientMouseMessage(UINT m) { return m >= WM_MOUSEMOVE && m <= WM_MBUTTONDBLCLK; }

}  // namespace

void TWinControl::WndProc(TMessage& m)
{
    if (IsClientMouseMessage(m.Msg)) {
        if (m.Msg == WM_MOUSEMOVE) TrackMouse(m);
        if (IsControlMouseMsg(m)) return;
    }
    TControl::WndProc(m);
}

// Mouse messages over a graphic child (or for the one holding the mouse) go to it, in its own
// coordinates.
bool TWinControl::IsControlMouseMsg(TMessage& m)
{
    TControl* target = nullptr;
    if (handle_ && GetCapture() == handle_) {
        if (captureChild_ && captureChild_->parent_ == this) target = captureChild_;
    } else {
        target = ControlAtPos(m.Pos(), false);
    }
    if (!target) return false;
    POINT p = m.Pos();
    m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(p.x - target->left_, p.y - target->top_));
    return true;
}

void TWinControl::TrackMouse(TMessage& m)
{
    if (!handle_) return;
    if (!mouseInWindow_) {
        mouseInWindow_ = true;
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = handle_;
        TrackMouseEvent(&tme);
        Perform(CM_MOUSEENTER);
    }
    if (!(captureChild_ && GetCapture() == handle_)) SetHoverChild(ControlAtPos(m.Pos(), false));
}

void TWinControl::SetHoverChild(TControl* child)
{
    if (child == hoverChild_) return;
    TControl* old = hoverChild_;
    hoverChild_ = child;
    if (old) old->Perform(CM_MOUSELEAVE);
    if (child && child == hoverChild_) child->Perform(CM_MOUSEENTER);
}

bool TWinControl::ReflectToChild(HWND child, TMessage& m)
{
    TWinControl* control = FromHandle(child);
    if (!control || control == this) return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT: {
        bool graphicChildren = false;
        for (TControl* c : controls_)
            if (c->visible_ && !c->Is<TWinControl>()) graphicChildren = true;
        if (graphicChildren || m.DC() || controlState_.Contains(csCustomPaint))
            PaintHandler(m);
        else
            DefaultHandler(m);
        return;
    }
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS* pos = m.WindowPos();
        UpdateBoundsFromWindow();
        DefaultHandler(m);
        if (pos && (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) && !parent_) {
            visible_ = IsWindowVisible(handle_) != 0;
            UpdateShowing();
        }
        return;
    }
    case WM_SETFOCUS: {
        DefaultHandler(m);
        TWinControl* root = this;
        while (root->parent_) root = root->parent_;
        root->FocusChanged(this);
        return;
    }
    case WM_MOUSELEAVE:
        SetHoverChild(nullptr);
        if (mouseInWindow_) {
            mouseInWindow_ = false;
            Perform(CM_MOUSELEAVE);
        }
        DefaultHandler(m);
        return;
    case WM_MOUSEWHEEL:
        m.Result = Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
        if (m.Result == 0) DefaultHandler(m);
        return;
    case CM_MOUSEWHEEL:
        if (parent_) m.Result = parent_->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
        return;
    case WM_SETCURSOR:
        if (HWND(std::uint64_t(m.WParam)) == handle_ && LOWORD(std::uintptr_t(m.LParam)) == HTCLIENT) {
            TCursor cursor = crDefault;
            if (TApplicationCore* app = TApplicationCore::Running()) cursor = TCursor(app->ScreenCursor());
            if (cursor == crDefault) {
                POINT p;
                GetCursorPos(&p);
                if (TControl* c = ControlAtPos(ScreenToClient(p), false)) cursor = c->cursor_;
            }
            if (cursor == crDefault) cursor = cursor_;
            if (HCURSOR h = CursorHandle(cursor)) {
                plat::SetCursor(h);
                m.Result = 1;
                return;
            }
        }
        DefaultHandler(m);
        return;
    case WM_COMMAND:
        if (m.LParam && ReflectToChild(m.CtlHWnd(), m)) return;
        DefaultHandler(m);
        return;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (ReflectToChild(m.CtlHWnd(), m)) return;
        DefaultHandler(m);
        return;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (m.LParam && ReflectToChild(m.CtlHWnd(), m)) return;
        DefaultHandler(m);
        return;
    case WM_DRAWITEM:
        if (m.LParam) {
            auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
            if (ReflectToChild(dis->hwndItem, m)) return;
        }
        DefaultHandler(m);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!DoKeyDown(m)) DefaultHandler(m);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!DoKeyUp(m)) DefaultHandler(m);
        return;
    case WM_CHAR:
        if (!DoKeyPress(m)) DefaultHandler(m);
        return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: m.Result = HandleDialogKeys(m) ? 1 : 0; return;
    case CN_CHAR:
    case CN_SYSCHAR: {
        m.Result = 0;
        if (Perform(WM_GETDLGCODE) & 0x0080) return;  // DLGC_WANTCHARS: its own characters
        TWinControl* root = this;
        while (root->parent_) root = root->parent_;
        if (root->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) m.Result = 1;
        return;
    }
    case CM_CHILDKEY:
        if (parent_) m.Result = parent_->Perform(CM_CHILDKEY, m.WParam, m.LParam);
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED: Broadcast(m); return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_ENABLEDCHANGED:
        if (handle_) EnableWindow(handle_, enabled_);
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        if (handle_ && parent_) {
            ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
            UpdateShowing();
        }
        return;
    case CM_RECREATEWND: RecreateWnd(); return;
    case CM_COLORCHANGED:
        brush_.SetColor(color_);
        NotifyControls(CM_PARENTCOLORCHANGED);
        Invalidate();
        return;
    case CM_FONTCHANGED:
        if (handle_) SendMessage(handle_, WM_SETFONT, WPARAM(font_.Handle().value), TRUE);
        NotifyControls(CM_PARENTFONTCHANGED);
        Invalidate();
        return;
    case WM_ERASEBKGND:
        if (m.DC()) {
            RECT r = ClientRect();
            FillRect(m.DC(), &r, brush_.Handle());
            m.Result = 1;
        }
        return;
    case CM_TEXTCHANGED:
    case CM_CURSORCHANGED:
    case CM_SHOWINGCHANGED:
    case CM_CONTROLLISTCHANGE: return;
    default: TControl::Dispatch(m); return;
    }
}

void TWinControl::DefaultHandler(TMessage& m)
{
    // The framework's own notifications are not the platform's business.
    if ((m.Msg >= CM_BASE && m.Msg < CN_BASE) || (m.Msg >= CN_BASE && m.Msg < CN_BASE + WM_USER)) {
        // A child's colours, unless its class chose them: its font colour on its brush.
        if (m.Msg >= CN_CTLCOLOREDIT && m.Msg <= CN_CTLCOLORSTATIC) {
            SetTextColor(m.DC(), COLORREF(ColorToRGB(font_.Color())));
            SetBkColor(m.DC(), COLORREF(ColorToRGB(brush_.Color())));
            m.Result = LRESULT(brush_.Handle().value);
        }
        return;
    }
    if (!handle_) {
        TControl::DefaultHandler(m);
        return;
    }
    m.Result = CallWindowProc(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::PaintWindow(HDC dc)
{
    TMessage m{WM_PAINT, WPARAM(dc.value), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintHandler(TMessage& m)
{
    PAINTSTRUCT ps;
    HDC dc = m.DC();
    bool own = !dc;
    if (own) dc = BeginPaint(handle_, &ps);
    if (!dc) return;
    int saved = SaveDC(dc);
    for (TControl* c : controls_) {
        if (c->visible_ && !c->Is<TWinControl>() && c->controlStyle_.Contains(csOpaque)) {
            RECT r = c->BoundsRect();
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
    }
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
    if (own) EndPaint(handle_, &ps);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    std::size_t start = 0;
    if (first) {
        while (start < controls_.size() && controls_[start] != first) ++start;
        if (start == controls_.size()) start = 0;
    }
    for (std::size_t i = start; i < controls_.size(); ++i) {
        TControl* c = controls_[i];
        if (!c->visible_ || c->Is<TWinControl>()) continue;
        RECT r = c->BoundsRect();
        if (r.empty()) continue;
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.width(), r.height());
        c->Perform(WM_PAINT, WPARAM(dc.value), 0);
        RestoreDC(dc, saved);
    }
}

}  // namespace fw
