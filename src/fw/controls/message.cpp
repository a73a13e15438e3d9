#include "fw/controls/message.h"

#include "plat/input.h"
#include "plat/virtual_keys.h"

namespace fw {

TShiftState ShiftFromMouseKeys(WPARAM keys)
{
    TShiftState s;
    s.Set(ssShift, keys & plat::MK_SHIFT);
    s.Set(ssCtrl, keys & plat::MK_CONTROL);
    s.Set(ssLeft, keys & plat::MK_LBUTTON);
    s.Set(ssRight, keys & plat::MK_RBUTTON);
    s.Set(ssMiddle, keys & plat::MK_MBUTTON);
    s.Set(ssAlt, plat::GetKeyState(plat::VK_MENU) < 0);
    return s;
}

TShiftState ShiftFromKeyboard()
{
    TShiftState s;
    s.Set(ssShift, plat::GetKeyState(plat::VK_SHIFT) < 0);
    s.Set(ssCtrl, plat::GetKeyState(plat::VK_CONTROL) < 0);
    s.Set(ssAlt, plat::GetKeyState(plat::VK_MENU) < 0);
    return s;
}

TShiftState TMessage::MouseShift() const { return ShiftFromMouseKeys(Keys()); }
TShiftState TMessage::KeyShift() const { return ShiftFromKeyboard(); }

}  // namespace fw
