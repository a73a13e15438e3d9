#pragma once

#include <string_view>

#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// The system message box: a modal "#32770" dialog with an icon static, a text static (wrapped)
// and a row of buttons, centred on its owner or on the work area. Answers the pressed button's
// IDOK... value, 0 when it cannot be shown.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0x00F0;
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_DEFMASK = 0x0F00;
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_SETFOREGROUND = 0x10000;
constexpr UINT MB_TOPMOST = 0x40000;

// Escape and the close box answer IDCANCEL when there is a Cancel button, IDOK for a lone OK
// button, and do nothing otherwise. An empty caption reads "Error".
int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

// The ids of the box's parts, for code that adapts its look.
constexpr int kMessageBoxIconId = 20;
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxMaxTextWidth = 420;

}  // namespace plat
