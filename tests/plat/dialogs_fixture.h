#pragma once

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_styles.h"
#include "plat/controls/static_styles.h"
#include "plat/dialogs/dialog.h"
#include "plat/dialogs/message_box.h"
#include "plat/gdi/gdi.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace plat::dialog_test {

// Small push buttons and statics for when the standard controls are not registered: enough
// for the dialog's keyboard and default-button rules.
inline LRESULT StandInButton(HWND h, UINT m, WPARAM w, LPARAM l)
{
    DWORD kind = GetWindowStyle(h) & BS_TYPEMASK;
    auto click = [&] { SendMessage(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED), LPARAM(h.value)); };
    switch (m) {
    case WM_GETDLGCODE: return DLGC_BUTTON | (kind == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
        SetWindowLongPtr(h, GWL_STYLE, LONG_PTR((GetWindowStyle(h) & ~BS_TYPEMASK) | (DWORD(w) & BS_TYPEMASK)));
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case BM_CLICK: click(); return 0;
    case WM_LBUTTONDOWN: SetFocus(h); return 0;
    case WM_LBUTTONUP: click(); return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r = ClientRect(h);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        if (kind == BS_DEFPUSHBUTTON) FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        RECT in{r.left + (kind == BS_DEFPUSHBUTTON), r.top + (kind == BS_DEFPUSHBUTTON), r.right - (kind == BS_DEFPUSHBUTTON),
                r.bottom - (kind == BS_DEFPUSHBUTTON)};
        DrawEdge(dc, &in, EDGE_RAISED, BF_RECT);
        SetBkMode(dc, TRANSPARENT);
        DrawText(dc, GetWindowText(h), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(h, &ps);
        return 0;
    }
    default: return DefWindowProc(h, m, w, l);
    }
}

inline LRESULT StandInStatic(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETICON: SetProp(h, "icon", reinterpret_cast<HANDLE>(w)); return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r = ClientRect(h);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        if ((GetWindowStyle(h) & SS_TYPEMASK) == SS_ICON) {
            DrawIcon(dc, 0, 0, HICON(HGDIOBJ(std::uint64_t(reinterpret_cast<std::uintptr_t>(GetProp(h, "icon"))))));
        } else {
            SetBkMode(dc, TRANSPARENT);
            HFONT old = SelectObject(dc, DialogFont());
            DrawText(dc, GetWindowText(h), &r, DT_WORDBREAK | DT_NOPREFIX);
            SelectObject(dc, old);
        }
        EndPaint(h, &ps);
        return 0;
    }
    default: return DefWindowProc(h, m, w, l);
    }
}

inline void RegisterStandIns()
{
    WNDCLASSEX info;
    if (!GetClassInfoEx("Button", &info)) {
        WNDCLASSEX wc;
        wc.lpfnWndProc = StandInButton;
        wc.lpszClassName = "Button";
        RegisterClassEx(wc);
    }
    if (!GetClassInfoEx("Static", &info)) {
        WNDCLASSEX wc;
        wc.lpfnWndProc = StandInStatic;
        wc.lpszClassName = "Static";
        RegisterClassEx(wc);
    }
}

class DialogDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterStandIns();
        WNDCLASSEX wc;
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "DialogTestOwner";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_WINDOW + 1));
        RegisterClassEx(wc);
        owner = CreateWindowEx(0, "DialogTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 500, 350, {});
        SetActiveWindow(owner);
        desk.run();
    }
    HeadlessDesktop desk;
    HWND owner;
};

// The screen centre of a dialog's control.
inline POINT CentreOf(HWND control)
{
    RECT r = WindowRect(control);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace plat::dialog_test
