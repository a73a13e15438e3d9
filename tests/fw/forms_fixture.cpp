#include "forms_fixture.h"

#include "plat/controls/button_styles.h"
#include "plat/dialogs/message_box.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"

namespace fw::testing {

using namespace plat;

TestButton::TestButton(TComponent* owner) : TWinControl(owner)
{
    // The platform button reports its clicks.
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetTabStop(true);
}

void TestButton::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.PlatformClass = "Button";
    p.Style |= isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TestButton::Click()
{
    if (TCustomForm* form = GetParentForm(this); form && modalResult != mrNone) form->SetModalResult(modalResult);
    TWinControl::Click();
}

void TestButton::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (m.NotifyCode() == BN_CLICKED) Click();
        return;
    case CM_DIALOGKEY:
        if ((m.CharCode() == VK_RETURN && isDefault) || (m.CharCode() == VK_ESCAPE && isCancel)) {
            Click();
            m.Result = 1;
        }
        return;
    default: TWinControl::Dispatch(m);
    }
}

TestEdit::TestEdit(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetColor(clWindow);
}

void TestEdit::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.PlatformClass = "Edit";
}

std::string MessageBoxText(const std::string& caption)
{
    HWND box = FindWindow("#32770", caption);
    if (!box) return "";
    return GetWindowText(GetDlgItem(box, kMessageBoxTextId));
}

}  // namespace fw::testing
