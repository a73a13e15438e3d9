#include "fw/controls/control.h"

#include <algorithm>

#include "base/error.h"
#include "fw/controls/win_control.h"
#include "plat/input.h"
#include "plat/paint.h"
#include "plat/window_pos.h"

namespace fw {

using namespace plat;

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    WindowProc = BindWndMethod<&TControl::DefaultWindowProc>(this);
    font_.SetOnChange([this](TObject*) { FontChanged(); });
}

void TControl::FontChanged()
{
    if (!takingParentFont_) parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetColor(TColor color)
{
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool on)
{
    if (on == parentColor_) return;
    parentColor_ = on;
    if (on) TakeParentLook();
}

void TControl::SetParentFont(bool on)
{
    if (on == parentFont_) return;
    parentFont_ = on;
    if (on) TakeParentLook();
}

// Takes the colour and font of the parent for what follows the parent.
void TControl::TakeParentLook()
{
    if (!parent_) return;
    if (parentColor_ && color_ != parent_->color_) {
        color_ = parent_->color_;
        Perform(CM_COLORCHANGED);
    }
    if (parentFont_ && !font_.SameAs(parent_->font_)) {
        takingParentFont_ = true;
        try {
            font_.Assign(parent_->font_);
        } catch (...) {
            takingParentFont_ = false;
            throw;
        }
        takingParentFont_ = false;
    }
}

TControl::~TControl()
{
    Destroying();
    SetMouseCapture(false);
    if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_) return;
    if (parent == this) throw base::Error("A control cannot be its own parent");
    if (auto* self = As<TWinControl>(this); self && parent && self->ContainsControl(parent))
        throw base::Error("A control cannot be the parent of one of its parents");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (!CanResize(width, height)) {
        width = width_;
        height = height_;
    }
    if (left == left_ && top == top_ && width == width_ && height == height_) {
        if (!layoutMove_) UpdateAnchorRules();
        return;
    }
    bool resized = width != width_ || height != height_;
    if (visible_) Invalidate();  // where it was
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (visible_) Invalidate();  // where it is now
    if (!layoutMove_) {
        UpdateAnchorRules();
        RequestAlign();
    }
    if (resized) Resize();
}

void TControl::SetBoundsByLayout(int left, int top, int width, int height)
{
    layoutMove_ = true;
    try {
        SetBounds(left, top, width, height);
    } catch (...) {
        layoutMove_ = false;
        throw;
    }
    layoutMove_ = false;
}

bool TControl::CanResize(int&, int&) { return true; }

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}

RECT TControl::ClientRect() const { return RECT::fromSize(0, 0, width_, height_); }

void TControl::SetClientWidth(int v) { SetWidth(width_ - ClientWidth() + v); }
void TControl::SetClientHeight(int v) { SetHeight(height_ - ClientHeight() + v); }

POINT TControl::ClientOrigin() const
{
    if (!parent_) return {left_, top_};
    POINT o = parent_->ClientOrigin();
    return {o.x + left_, o.y + top_};
}

POINT TControl::ClientToScreen(POINT p) const
{
    POINT o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const
{
    POINT o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

POINT TControl::ClientToParent(POINT p, const TWinControl* parent) const
{
    if (!parent) parent = parent_;
    POINT s = ClientToScreen(p);
    return parent ? parent->ScreenToClient(s) : s;
}

void TControl::SetAlign(TAlign align)
{
    if (align == align_) return;
    TAlign old = align_;
    align_ = align;
    if (old != alNone && align == alNone) UpdateAnchorRules();
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors)
{
    if (anchors == anchors_) return;
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    anchorRulesValid_ = false;
    if (!parent_) return;
    RECT pc = parent_->ClientRect();
    anchorParentWidth_ = pc.width();
    anchorParentHeight_ = pc.height();
    anchorRight_ = pc.width() - (left_ + width_);
    anchorBottom_ = pc.height() - (top_ + height_);
    anchorRulesValid_ = anchorParentWidth_ > 0 && anchorParentHeight_ > 0;
}

void TControl::RequestAlign()
{
    if (parent_) parent_->AlignChild(this);
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible);
    if (visible) Invalidate();
    RequestAlign();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

std::string TControl::Text() const { return GetText(); }

void TControl::SetText(std::string_view text)
{
    if (GetText() == text) return;
    SetTextValue(text);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
}

bool TControl::MouseCapture() const
{
    if (auto* self = As<TWinControl>(this)) return self->HandleAllocated() && GetCapture() == self->WindowHandle();
    return parent_ && parent_->captureChild_ == this && parent_->HandleAllocated() &&
           GetCapture() == parent_->WindowHandle();
}

void TControl::SetMouseCapture(bool on)
{
    if (auto* self = As<TWinControl>(this)) {
        if (on && self->HandleAllocated())
            plat::SetCapture(self->WindowHandle());
        else if (!on && MouseCapture())
            ReleaseCapture();
        return;
    }
    if (!parent_) return;
    if (on) {
        parent_->captureChild_ = this;
        plat::SetCapture(parent_->Handle());
    } else if (parent_->captureChild_ == this) {
        parent_->captureChild_ = nullptr;
        if (parent_->HandleAllocated() && GetCapture() == parent_->WindowHandle()) ReleaseCapture();
    }
}

void TControl::Invalidate()
{
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->WindowHandle(), &r, !controlStyle_.Contains(csOpaque));
}

void TControl::Update()
{
    if (parent_) parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!parent_) return;
    auto& list = parent_->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    list.push_back(this);
    if (auto* self = As<TWinControl>(this); self && self->HandleAllocated())
        SetWindowPos(self->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack()
{
    if (!parent_) return;
    auto& list = parent_->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    list.insert(list.begin(), this);
    if (auto* self = As<TWinControl>(this); self && self->HandleAllocated())
        SetWindowPos(self->WindowHandle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Notification(TComponent* component, TOperation operation) { TComponent::Notification(component, operation); }

void TControl::WndProc(TMessage& m)
{
    // A control that does not take double clicks sees a second press.
    if (!controlStyle_.Contains(csDoubleClicks)) {
        switch (m.Msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: m.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN; break;
        }
    }
    Dispatch(m);
}

void TControl::HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl)
{
    POINT p = m.Pos();
    TShiftState shift = m.MouseShift();
    if (down) {
        if (dbl) shift.Include(ssDouble);
        if (button == mbLeft) {
            if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
            if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
            controlState_.Include(csLButtonDown);
            if (dbl && controlStyle_.Contains(csClickEvents)) DblClick();
        }
        MouseDown(button, shift, p.x, p.y);
        return;
    }
    if (button == mbLeft) {
        bool clicked = controlState_.Contains(csClicked);
        controlState_ -= {csClicked, csLButtonDown};
        if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
        if (clicked && ClientRect().contains(p)) Click();
    }
    MouseUp(button, shift, p.x, p.y);
}

void TControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    // The platform class of a windowed control sees the mouse first (a button presses, an
    // edit moves its caret), then the framework's events run.
    case WM_LBUTTONDOWN: DefaultHandler(m); HandleMouseButton(m, mbLeft, true, false); break;
    case WM_LBUTTONDBLCLK: DefaultHandler(m); HandleMouseButton(m, mbLeft, true, true); break;
    case WM_LBUTTONUP: DefaultHandler(m); HandleMouseButton(m, mbLeft, false, false); break;
    case WM_RBUTTONDOWN: DefaultHandler(m); HandleMouseButton(m, mbRight, true, false); break;
    case WM_RBUTTONDBLCLK: DefaultHandler(m); HandleMouseButton(m, mbRight, true, true); break;
    case WM_RBUTTONUP: DefaultHandler(m); HandleMouseButton(m, mbRight, false, false); break;
    case WM_MBUTTONDOWN: DefaultHandler(m); HandleMouseButton(m, mbMiddle, true, false); break;
    case WM_MBUTTONDBLCLK: DefaultHandler(m); HandleMouseButton(m, mbMiddle, true, true); break;
    case WM_MBUTTONUP: DefaultHandler(m); HandleMouseButton(m, mbMiddle, false, false); break;
    case WM_MOUSEMOVE: {
        DefaultHandler(m);
        POINT p = m.Pos();
        MouseMove(m.MouseShift(), p.x, p.y);
        break;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        // The parent hears that the mouse came to (or left) one of its children.
        if (parent_) parent_->Perform(m.Msg, 0, LPARAM(this));
        if (m.LParam == 0) {
            const TNotifyEvent& event = m.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
            if (event) event(this);
        }
        break;
    }
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    case CM_PARENTCOLORCHANGED:
    case CM_PARENTFONTCHANGED: TakeParentLook(); break;
    case CM_HITTEST: m.Result = 1; break;
    case WM_CANCELMODE:
        if (MouseCapture()) {
            SetMouseCapture(false);
            controlState_ -= {csClicked, csLButtonDown};
        }
        break;
    default: DefaultHandler(m); break;
    }
}

void TControl::DefaultHandler(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETTEXT: {
        if (!m.LParam || m.WParam == 0) break;
        std::string t = text_.substr(0, m.WParam - 1);
        std::copy(t.begin(), t.end(), reinterpret_cast<char*>(m.LParam));
        reinterpret_cast<char*>(m.LParam)[t.size()] = '\0';
        m.Result = LRESULT(t.size());
        break;
    }
    case WM_GETTEXTLENGTH: m.Result = LRESULT(text_.size()); break;
    case WM_SETTEXT:
        text_ = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
        m.Result = 1;
        break;
    default: break;
    }
}

}  // namespace fw
