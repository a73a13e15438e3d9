#include "fw/stdctrls/button.h"

#include "fw/forms/form.h"
#include "plat/controls/button_styles.h"
#include "plat/virtual_keys.h"
#include "plat/message_queue.h"
#include "plat/window.h"

namespace fw {

using namespace plat;

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::SetDefault(bool on)
{
    if (default_ == on) return;
    default_ = on;
    if (!HandleAllocated()) return;
    // The focused control decides whether this button now answers Enter.
    TCustomForm* form = GetParentForm(this);
    TWinControl* focused = form ? form->ActiveControl() : nullptr;
    Perform(CM_FOCUSCHANGED, 0, LPARAM(static_cast<TControl*>(focused)));
}

void TButton::SetWordWrap(bool on)
{
    if (wordWrap_ == on) return;
    wordWrap_ = on;
    RecreateWnd();
}

void TButton::Click()
{
    if (TCustomForm* form = GetParentForm(this); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.PlatformClass = "Button";
    p.Style |= (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (wordWrap_) p.Style |= BS_MULTILINE;
    active_ = default_;
}

void TButton::SetButtonStyle(bool isDefault)
{
    if (!HandleAllocated()) return;
    DWORD style = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((GetWindowStyle(WindowHandle()) & BS_TYPEMASK) != style)
        SendMessage(WindowHandle(), BM_SETSTYLE, style, TRUE);
}

void TButton::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (m.NotifyCode() == BN_CLICKED) Click();
        return;
    case CM_DIALOGKEY: {
        bool plain = !m.KeyShift().Contains(ssCtrl) && !m.KeyShift().Contains(ssAlt);
        if (plain && CanFocus() &&
            ((m.CharCode() == VK_RETURN && active_) || (m.CharCode() == VK_ESCAPE && cancel_))) {
            Click();
            m.Result = 1;
            return;
        }
        m.Result = 0;
        return;
    }
    case CM_FOCUSCHANGED: {
        // Another focused button takes Enter for itself; any other control leaves it to the default.
        TControl* focused = m.Control();
        active_ = focused && focused->Is<TButton>() ? focused == this : default_;
        SetButtonStyle(active_);
        m.Result = 0;
        return;
    }
    default: TWinControl::Dispatch(m); return;
    }
}

}  // namespace fw
