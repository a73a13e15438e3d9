#include "fw/controls/win_control.h"

#include <algorithm>

#include "base/error.h"
#include "fw/controls/application_core.h"
#include "fw/controls/window_class.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/paint.h"
#include "plat/system/sys_colors.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace fw {

using namespace plat;

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { brush_.SetColor(color_); }

TWinControl::~TWinControl()
{
    Destroying();
    // The window goes first, with all child windows, while every control is still whole.
    DestroyHandle();
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        delete child;
    }
    // Leave the parent while still whole, so that it forgets this one as a windowed child.
    if (parent_) parent_->RemoveControl(this);
}

TWinControl* TWinControl::FromHandle(HWND hwnd)
{
    if (!hwnd) return nullptr;
    return static_cast<TWinControl*>(GetProp(hwnd, kControlProperty));
}

HWND TWinControl::Handle()
{
    if (!handle_) CreateHandle();
    return handle_;
}

void TWinControl::SetParentWindow(HWND owner)
{
    if (parent_ || owner == parentWindow_) return;
    parentWindow_ = owner;
    if (handle_) RecreateWnd();
}

void TWinControl::CreateParams(TCreateParams& p)
{
    p.Caption = text_;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (controlStyle_.Contains(csAcceptsControls)) {
        p.Style |= WS_CLIPCHILDREN;
        p.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!enabled_) p.Style |= WS_DISABLED;
    if (tabStop_) p.Style |= WS_TABSTOP;
    if (visible_) p.Style |= WS_VISIBLE;
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
    p.WndParent = parentWindow_;
    p.WinClassName = std::string(ClassName());
    p.ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    p.Cursor = LoadCursor(IDC_ARROW);
    p.Background = HBRUSH(HGDIOBJ(std::uint64_t(COLOR_BTNFACE + 1)));
}

void TWinControl::CreateHandle()
{
    if (handle_) return;
    if (parent_) parent_->Handle();
    if (handle_) return;  // the parent's window made ours on the way
    CreateWnd();
    if (!handle_) return;
    // Children in z-order, bottom first, so that the windows stack as the controls do.
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (auto* child = As<TWinControl>(controls_[i])) child->CreateHandle();
    UpdateShowing();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if (parent_) params.WndParent = parent_->handle_;
    defWndProc_ = RegisterFrameworkClass(params);
    TApplicationCore* app = TApplicationCore::Running();
    if (!app) throw base::Error("Windows are made only while an application runs");
    struct CreationSlot {
        TApplicationCore* app;
        TWinControl* previous;
        ~CreationSlot() { app->creating_ = previous; }
    } slot{app, app->creating_};
    app->creating_ = this;
    controlState_.Include(csCreating);
    HWND made = CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X,
                               params.Y, params.Width, params.Height, params.WndParent, {}, params.Param);
    controlState_.Exclude(csCreating);
    if (!made) throw base::Error("The window of " + (Name().empty() ? std::string(ClassName()) : Name()) +
                                 " cannot be made");
    if (!handle_) AttachWindow(made);
    SendMessage(handle_, WM_SETFONT, WPARAM(font_.Handle().value), FALSE);
    // The window may have been given another size (limits of the frame); follow it.
    UpdateBoundsFromWindow();
}

void TWinControl::AttachWindow(HWND hwnd)
{
    handle_ = hwnd;
    SetProp(hwnd, kControlProperty, this);
    if (GetWindowProc(hwnd) == plat::WndProc(FrameworkClassProc))
        SetWindowProc(hwnd, BindWndProc<&TWinControl::MainWndProc>(this));
}

void TWinControl::DetachWindow()
{
    if (!handle_) return;
    RemoveProp(handle_, kControlProperty);
    handle_ = {};
    captureChild_ = nullptr;
    hoverChild_ = nullptr;
    mouseInWindow_ = false;
    if (showing_) {
        showing_ = false;
        if (!IsDestroying()) Perform(CM_SHOWINGCHANGED);
    }
}

void TWinControl::DestroyWnd()
{
    if (!handle_) return;
    // Text typed into the window stays with the control.
    text_ = GetWindowText(handle_);
    DestroyWindow(handle_);
}

void TWinControl::DestroyHandle()
{
    if (!handle_) return;
    controlState_.Include(csDestroyingHandle);
    try {
        DestroyWnd();
    } catch (...) {
        controlState_.Exclude(csDestroyingHandle);
        throw;
    }
    controlState_.Exclude(csDestroyingHandle);
    if (handle_) DetachWindow();  // a window that refused to go is no longer ours
}

void TWinControl::RecreateWnd()
{
    if (!handle_) return;
    bool wasFocused = Focused();
    controlState_.Include(csRecreating);
    DestroyHandle();
    controlState_.Exclude(csRecreating);
    CreateHandle();
    if (wasFocused && handle_) plat::SetFocus(handle_);
}

LRESULT TWinControl::MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    try {
        WindowProc(m);
    } catch (...) {
        TApplicationCore* app = TApplicationCore::Running();
        if (!app) throw;
        app->HandleException(this);
    }
    if (msg == WM_NCDESTROY && handle_ == hwnd) DetachWindow();
    return m.Result;
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        throw base::Error("List index out of bounds (" + std::to_string(index) + ")");
    return controls_[std::size_t(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->parent_)
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool allowWinControls) const
{
    for (std::size_t i = controls_.size(); i-- > 0;) {
        TControl* c = controls_[i];
        bool windowed = c->Is<TWinControl>();
        if (windowed && !allowWinControls) continue;
        if (!c->visible_ || (!c->enabled_ && !allowDisabled)) continue;
        if (c->BoundsRect().contains(p)) return c;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* control)
{
    control->parent_ = this;
    auto* windowed = As<TWinControl>(control);
    // Windowed children stay above graphic ones, as their windows are.
    if (windowed)
        controls_.push_back(control);
    else {
        auto firstWindowed = std::find_if(controls_.begin(), controls_.end(),
                                          [](TControl* c) { return c->Is<TWinControl>(); });
        controls_.insert(firstWindowed, control);
    }
    if (windowed) tabList_.push_back(windowed);
    control->UpdateAnchorRules();
    control->TakeParentLook();
    if (windowed && handle_) windowed->CreateHandle();
    Perform(CM_CONTROLLISTCHANGE, WPARAM(control), TRUE);
    AlignChild(control);
    if (!windowed) control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (control->parent_ != this) return;
    if (!IsDestroying()) Perform(CM_CONTROLLISTCHANGE, WPARAM(control), FALSE);
    TWinControl* root = this;
    while (root->parent_) root = root->parent_;
    root->ControlRemoving(control);
    if (!control->Is<TWinControl>()) control->Invalidate();
    if (captureChild_ == control) {
        captureChild_ = nullptr;
        if (handle_ && GetCapture() == handle_) ReleaseCapture();
    }
    if (hoverChild_ == control) hoverChild_ = nullptr;
    std::erase_if(tabList_, [&](TWinControl* w) { return static_cast<TControl*>(w) == control; });
    if (auto* windowed = As<TWinControl>(control)) {
        // Its window cannot outlive the parent's; it gets a new one under its next parent.
        if (windowed->handle_ && !IsDestroying()) windowed->DestroyHandle();
    }
    std::erase(controls_, control);
    control->parent_ = nullptr;
    if (!IsDestroying()) Realign();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    bool changed = left != left_ || top != top_ || width != width_ || height != height_;
    int oldWidth = width_;
    int oldHeight = height_;
    TControl::SetBounds(left, top, width, height);
    if (!changed) return;
    if (handle_) {
        RECT now = WindowRect(handle_);
        POINT tl = now.topLeft();
        if (HWND parent = GetParent(handle_); parent && (GetWindowStyle(handle_) & WS_CHILD)) plat::ScreenToClient(parent, &tl);
        if (tl.x != left_ || tl.y != top_ || now.width() != width_ || now.height() != height_)
            SetWindowPos(handle_, {}, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (width_ != oldWidth || height_ != oldHeight) Realign();
}

void TWinControl::UpdateBoundsFromWindow()
{
    if (!handle_) return;
    RECT r = WindowRect(handle_);
    POINT tl = r.topLeft();
    if (HWND parent = GetParent(handle_); parent && (GetWindowStyle(handle_) & WS_CHILD)) plat::ScreenToClient(parent, &tl);
    if (tl.x == left_ && tl.y == top_ && r.width() == width_ && r.height() == height_) return;
    bool resized = r.width() != width_ || r.height() != height_;
    left_ = tl.x;
    top_ = tl.y;
    width_ = r.width();
    height_ = r.height();
    if (!layoutMove_) {
        UpdateAnchorRules();
        RequestAlign();
    }
    if (resized) {
        Realign();
        Resize();
    }
}

RECT TWinControl::ClientRect() const
{
    if (handle_) return plat::ClientRect(handle_);
    // Without a window yet, the frame its style would give.
    TCreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    RECT frame = RECT::fromSize(0, 0, 0, 0);
    AdjustWindowRectEx(&frame, p.Style, FALSE, p.ExStyle);
    int w = std::max(0, width_ - frame.width());
    int h = std::max(0, height_ - frame.height());
    return RECT::fromSize(0, 0, w, h);
}

POINT TWinControl::ClientOrigin() const
{
    if (handle_) {
        POINT p{0, 0};
        plat::ClientToScreen(handle_, &p);
        return p;
    }
    // Without a window yet: inside the frame its style would give.
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame = RECT::fromSize(0, 0, 0, 0);
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    POINT o = TControl::ClientOrigin();
    return {o.x - frame.left, o.y - frame.top};
}

void TWinControl::Invalidate()
{
    if (handle_) InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Repaint()
{
    if (!handle_) return;
    RedrawWindow(handle_, nullptr, {}, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinControl::SetEnabled(bool enabled) { TControl::SetEnabled(enabled); }

void TWinControl::UpdateShowing()
{
    bool now = handle_ && visible_ && (parent_ ? parent_->showing_ : IsWindowVisible(handle_) != 0);
    if (now != showing_) {
        showing_ = now;
        Perform(CM_SHOWINGCHANGED);
    }
    for (TWinControl* child : std::vector<TWinControl*>(tabList_))
        if (ContainsControl(child)) child->UpdateShowing();
}

std::string TWinControl::GetText() const { return handle_ ? GetWindowText(handle_) : text_; }

void TWinControl::SetTextValue(std::string_view text)
{
    text_ = text;
    if (handle_) SetWindowText(handle_, text);
}

void TWinControl::NotifyControls(UINT msg, WPARAM wParam, LPARAM lParam)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(msg, wParam, lParam);
}

void TWinControl::Broadcast(TMessage& m)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        m.Result = 0;
        TControl* c = controls_[i];
        c->WindowProc(m);
        if (m.Result != 0) return;
    }
}

}  // namespace fw
