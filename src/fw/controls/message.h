#pragma once

#include "fw/classes/events.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/messages.h"
#include "plat/types.h"

namespace fw {

class TControl;

using plat::LPARAM;
using plat::LRESULT;
using plat::UINT;
using plat::WPARAM;

// One message as the framework passes it along: number, parameters and the answer. The typed
// views read the parameters of the messages the framework handles, so that handlers never take
// them apart by hand.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    // Mouse messages: the point in client coordinates, the MK_ key flags.
    plat::POINT Pos() const { return {plat::GET_X_LPARAM(LParam), plat::GET_Y_LPARAM(LParam)}; }
    WPARAM Keys() const { return WParam & 0xFFFF; }
    TShiftState MouseShift() const;
    // WM_MOUSEWHEEL and CM_MOUSEWHEEL: the wheel turn (120 a notch, positive away from the user).
    int WheelDelta() const { return std::int16_t(plat::HIWORD(WParam)); }

    // Key messages (WM_KEYDOWN, CN_KEYDOWN, CM_DIALOGKEY …): the virtual key, or the character.
    unsigned short CharCode() const { return static_cast<unsigned short>(WParam); }
    void SetCharCode(unsigned short key) { WParam = key; }
    LPARAM KeyData() const { return LParam; }
    TShiftState KeyShift() const;  // from the keyboard's state now

    // WM_COMMAND: the notification code, the item id and the child window sending it.
    WPARAM NotifyCode() const { return plat::HIWORD(WParam); }
    WPARAM ItemId() const { return plat::LOWORD(WParam); }
    plat::HWND CtlHWnd() const { return plat::HWND(std::uint64_t(LParam)); }

    // WM_PAINT / WM_ERASEBKGND / WM_CTLCOLOR*: the device context passed in wParam (may be null).
    plat::HDC DC() const { return plat::HDC(std::uint64_t(WParam)); }
    // WM_SIZE: the new client size.
    int Width() const { return plat::LOWORD(std::uintptr_t(LParam)); }
    int Height() const { return plat::HIWORD(std::uintptr_t(LParam)); }
    // WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED.
    plat::WINDOWPOS* WindowPos() const { return reinterpret_cast<plat::WINDOWPOS*>(LParam); }
    // The CM_ notifications that carry a control (CM_MOUSEENTER, CM_FOCUSCHANGED …) in lParam.
    TControl* Control() const { return reinterpret_cast<TControl*>(LParam); }
};

// The shift state of a mouse message's key flags, or of key data with the keyboard's state.
TShiftState ShiftFromMouseKeys(WPARAM keys);
TShiftState ShiftFromKeyboard();

// A replaceable message handler bound to an object: what `TControl::WindowProc` holds. Two are
// equal when they call the same method on the same object, so a saved one can be recognised and
// put back.
struct TWndMethod {
    using Fn = void (*)(void* self, TMessage& message);
    Fn fn = nullptr;
    void* self = nullptr;

    explicit operator bool() const { return fn != nullptr; }
    void operator()(TMessage& m) const
    {
        if (fn) fn(self, m);
    }
    friend bool operator==(const TWndMethod&, const TWndMethod&) = default;
};

// A handler calling `Method` (void T::Method(TMessage&)) on `object`.
template <auto Method, class T>
TWndMethod BindWndMethod(T* object)
{
    return TWndMethod{[](void* self, TMessage& m) { (static_cast<T*>(self)->*Method)(m); }, object};
}

}  // namespace fw
