#include "fw/forms/form.h"

#include <vector>

#include "base/error.h"
#include "fw/forms/application.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/modal_loop.h"
#include "plat/system/sys_metrics.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace fw {

using namespace plat;

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), canvas_(this)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls} - TControlStyle{csSetCaption});
    SetControlState(ControlState() + TControlState{csCustomPaint});
    SetVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    if (TScreen* screen = fw::Screen()) screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (modalAlive_) *modalAlive_ = false;
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            if (TApplicationCore* app = TApplicationCore::Running()) app->HandleException(this);
        }
    }
    if (TApplication* app = Application()) {
        if (app->mainForm_ == this) app->mainForm_ = nullptr;
        if (TScreen* screen = app->Screen()) screen->RemoveForm(this);
    }
    activeControl_ = focusedControl_ = nullptr;
    canvas_.FreeHandle();
    DestroyHandle();
    // Owned components go while the form is still a form, so that they can still reach it.
    DestroyComponents();
}

TCustomForm* GetParentForm(TControl* control)
{
    if (!control) return nullptr;
    while (control->Parent()) control = control->Parent();
    return As<TCustomForm>(control);
}

void TCustomForm::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.ExStyle = 0;
    if (!Enabled()) p.Style |= WS_DISABLED;
    bool caption = true;
    switch (borderStyle_) {
    case bsNone:
        p.Style |= WS_POPUP;
        caption = false;
        break;
    case bsSingle: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION;
        p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow:
        p.Style |= WS_CAPTION | WS_BORDER;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        p.Style |= WS_CAPTION | WS_THICKFRAME;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (caption && borderIcons_.Contains(biSystemMenu)) {
        p.Style |= WS_SYSMENU;
        bool boxes = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
        if (boxes && borderIcons_.Contains(biMinimize)) p.Style |= WS_MINIMIZEBOX;
        if (boxes && borderIcons_.Contains(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
        if (borderIcons_.Contains(biHelp) && (borderStyle_ == bsDialog || !(p.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))))
            p.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (alphaBlend_) p.ExStyle |= WS_EX_LAYERED;
    // Forms other than the main one stay above it.
    p.WndParent = {};
    if (TApplication* app = Application()) {
        TCustomForm* main = app->MainForm();
        if (main && main != this && main->HandleAllocated()) p.WndParent = main->WindowHandle();
    }
    if (ParentWindow()) p.WndParent = ParentWindow();
}

void TCustomForm::AdjustClientRect(RECT& r) const { r = r.inflated(-borderWidth_, -borderWidth_); }

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons)
{
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TCustomForm::SetBorderWidth(int width)
{
    width = std::max(0, width);
    if (width == borderWidth_) return;
    borderWidth_ = width;
    Realign();
    Invalidate();
}

void TCustomForm::SetIcon(HICON icon)
{
    icon_ = icon;
    if (HandleAllocated()) SendMessage(WindowHandle(), WM_SETICON, 1, LPARAM(icon.value));
    Perform(CM_ICONCHANGED);
}

void TCustomForm::SetMenu(HMENU menu)
{
    if (menu == menu_) return;
    menu_ = menu;  // drawn by whoever draws the form's frame: the window system has no menu bar
    Perform(CM_MENUCHANGED);
}

void TCustomForm::SetAlphaBlend(bool on)
{
    if (on == alphaBlend_) return;
    alphaBlend_ = on;
    if (HandleAllocated()) {
        DWORD ex = GetWindowExStyle(WindowHandle());
        SetWindowLongPtr(WindowHandle(), GWL_EXSTYLE, on ? (ex | WS_EX_LAYERED) : (ex & ~WS_EX_LAYERED));
    }
}

TWindowState TCustomForm::WindowState() const
{
    if (!HandleAllocated() || !Visible()) return windowState_;
    if (IsIconic(WindowHandle())) return wsMinimized;
    if (IsZoomed(WindowHandle())) return wsMaximized;
    return wsNormal;
}

void TCustomForm::SetWindowState(TWindowState state)
{
    windowState_ = state;
    if (!HandleAllocated() || !Visible()) return;
    ShowWindow(WindowHandle(), state == wsMinimized ? SW_MINIMIZE : state == wsMaximized ? SW_SHOWMAXIMIZED : SW_RESTORE);
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_) return;
    if (control && (!ContainsControl(control) || control == this || !control->CanFocus()))
        throw base::Error("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (active_ && control && HandleAllocated()) plat::SetFocus(control->Handle());
}

void TCustomForm::SetFocus()
{
    if (!Visible() || !Enabled()) throw base::Error("Cannot focus a disabled or invisible window");
    plat::SetFocus(Handle());
}

void TCustomForm::FocusChild(TWinControl* control)
{
    if (!control->CanFocus()) throw base::Error("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (active_ || !HandleAllocated())
        plat::SetFocus(control->Handle());
    else
        SetActiveWindow(WindowHandle());  // activation gives the focus to the active control
}

void TCustomForm::FocusChanged(TWinControl* focused)
{
    TWinControl* now = focused == this ? nullptr : focused;
    if (now == focusedControl_) return;
    TWinControl* old = focusedControl_;
    focusedControl_ = now;
    if (now) activeControl_ = now;
    if (TScreen* screen = fw::Screen()) screen->SetActiveControl(now);
    // Leave what the focus left, up to the common parent; enter what it came to, from the top.
    std::vector<TWinControl*> entered;
    for (TWinControl* c = now; c && c != this; c = c->Parent()) entered.push_back(c);
    for (TWinControl* c = old; c && c != this; c = c->Parent()) {
        if (std::find(entered.begin(), entered.end(), c) != entered.end()) break;
        c->Perform(CM_EXIT);
    }
    for (auto it = entered.rbegin(); it != entered.rend(); ++it)
        if (!old || !(*it)->ContainsControl(old)) (*it)->Perform(CM_ENTER);
    Perform(CM_FOCUSCHANGED, 0, LPARAM(static_cast<TControl*>(now)));
}

namespace {

bool Inside(const TControl* c, const TControl* outer)
{
    for (; c; c = c->Parent())
        if (c == outer) return true;
    return false;
}

}  // namespace

// Forget a control that goes, so that no pointer to it stays behind.
void TCustomForm::ControlRemoving(TControl* control)
{
    if (Inside(activeControl_, control)) activeControl_ = nullptr;
    if (Inside(focusedControl_, control)) focusedControl_ = nullptr;
    if (TScreen* screen = fw::Screen(); screen && Inside(screen->ActiveControl(), control))
        screen->SetActiveControl(nullptr);
}

void TCustomForm::DoCreate()
{
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow()
{
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose) OnClose(this, action);
}

void TCustomForm::PlaceForShowing()
{
    if (placed_) return;
    placed_ = true;
    RECT work = GetWorkArea();
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        SetBounds(work.left + (work.width() - Width()) / 2, work.top + (work.height() - Height()) / 2, Width(), Height());
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TApplication* app = Application();
        TCustomForm* main = app ? app->MainForm() : nullptr;
        RECT around = main && main != this ? main->BoundsRect() : work;
        SetBounds(around.left + (around.width() - Width()) / 2, around.top + (around.height() - Height()) / 2,
                  Width(), Height());
        break;
    }
    default: break;
    }
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (HandleAllocated()) BringWindowToTop(WindowHandle());
}

// A form's visibility is its window's: showing places it, shows it (active) and tells OnShow.
void TCustomForm::ShowingChanged()
{
    if (Visible()) {
        PlaceForShowing();
        HWND h = Handle();
        DoShow();
        int command = windowState_ == wsMaximized ? SW_SHOWMAXIMIZED : windowState_ == wsMinimized ? SW_SHOWMINIMIZED : SW_SHOW;
        ShowWindow(h, command);
    } else if (HandleAllocated()) {
        ShowWindow(WindowHandle(), SW_HIDE);
        DoHide();
    }
}

void TCustomForm::Activated(bool active)
{
    if (active == active_) return;
    active_ = active;
    TScreen* screen = fw::Screen();
    if (active) {
        if (screen) screen->SetActiveForm(this);
        if (!activeControl_ || !activeControl_->CanFocus()) activeControl_ = FindNextControl(nullptr, true, true, false);
        if (activeControl_) plat::SetFocus(activeControl_->Handle());
        if (OnActivate) OnActivate(this);
    } else {
        if (OnDeactivate) OnDeactivate(this);
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    TApplication* app = Application();
    if (app && app->MainForm() == this) {
        app->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

void TCustomForm::Release()
{
    if (HandleAllocated())
        PostMessage(WindowHandle(), CM_RELEASE, 0, 0);
    else
        delete this;
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || modal_) throw base::Error("Cannot make a visible window modal");
    TApplication* app = Application();
    if (!app) throw base::Error("Forms run modally only while an application runs");
    if (GetCapture()) ReleaseCapture();
    HWND self = Handle();
    modalResult_ = mrNone;
    // The loop's guard gives the other windows and the activation back on every way out; the
    // flags say whether this form is still there to be told.
    bool alive = true;
    struct ModalState {
        TCustomForm& form;
        bool& alive;
        ~ModalState()
        {
            if (!alive) return;
            form.modal_ = false;
            form.modalAlive_ = nullptr;
            // An error ending the run must not leave the form up without its run.
            try {
                if (form.Visible()) form.Hide();
            } catch (...) {
            }
        }
    } state{*this, alive};
    modal_ = true;
    modalAlive_ = &alive;
    ModalLoop loop(self);
    if (HWND previous = GetActiveWindow(); previous && previous != self) loop.activateOnExit(previous);
    EnumWindows([&](HWND w) {
        if (w != self && IsWindowVisible(w)) loop.disable(w);
        return true;
    });
    Show();
    MSG msg;
    while (loop.next(&msg)) {
        app->Dispatch(msg);
        if (!alive) break;
        if (app->Terminated()) {
            modalResult_ = mrCancel;
            break;
        }
        if (modalResult_ == mrNone) continue;
        // A button or Close asked to end the run: the form may still refuse.
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone) {
            modalResult_ = mrNone;
            continue;
        }
        if (action == caFree) Release();
        break;
    }
    if (!alive) {
        loop.leave();
        return mrCancel;
    }
    if (modalResult_ == mrNone) modalResult_ = mrCancel;  // its window went, or the program quits
    if (HandleAllocated()) Hide();
    loop.leave();
    return modalResult_;
}

bool TCustomForm::HandleDialogKey(TMessage& m)
{
    if (GetKeyState(VK_MENU) < 0) return false;
    switch (m.CharCode()) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0) return false;
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
            activeControl_->Parent()->SelectNext(activeControl_, m.CharCode() == VK_RIGHT || m.CharCode() == VK_DOWN,
                                                 false);
            return true;
        }
        return false;
    default: return false;
    }
}

void TCustomForm::PaintWindow(HDC dc)
{
    if (!OnPaint) return;
    TCanvasPaintScope scope(canvas_, dc);
    canvas_.Font()->Assign(*Font());
    canvas_.Brush()->Assign(*Brush());
    OnPaint(this);
}

void TCustomForm::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case CM_VISIBLECHANGED: ShowingChanged(); return;
    case CM_DIALOGKEY:
        if (HandleDialogKey(m)) {
            m.Result = 1;
            return;
        }
        break;
    case CM_RELEASE: delete this; return;
    case WM_CLOSE: Close(); return;
    case WM_ACTIVATE:
        TWinControl::Dispatch(m);
        Activated(LOWORD(m.WParam) != WA_INACTIVE);
        return;
    case WM_DESTROY:
        canvas_.FreeHandle();
        break;
    case WM_NCDESTROY:
        active_ = false;
        placed_ = false;
        break;
    case WM_PAINT: PaintHandler(m); return;
    default: break;
    }
    TWinControl::Dispatch(m);
}

}  // namespace fw
