#pragma once

#include "plat/messages.h"
#include "plat/types.h"

namespace plat {

// Status bar window styles
constexpr DWORD SBARS_SIZEGRIP = 0x0100;
constexpr DWORD CCS_TOP = 0x0001;
constexpr DWORD CCS_BOTTOM = 0x0003;
constexpr DWORD CCS_NORESIZE = 0x0004;
constexpr DWORD CCS_NOPARENTALIGN = 0x0008;

// Status bar messages. Texts are UTF-8.
constexpr UINT SB_SETTEXTA = WM_USER + 1;  // wParam part | SBT_* flags, lParam const char*
constexpr UINT SB_GETTEXTA = WM_USER + 2;  // wParam MAKEWPARAM(part, buffer size), lParam char*
constexpr UINT SB_GETTEXTLENGTHA = WM_USER + 3;
constexpr UINT SB_SETPARTS = WM_USER + 4;  // wParam count, lParam const int* right edges (-1: to the end)
constexpr UINT SB_GETPARTS = WM_USER + 6;  // wParam count wanted, lParam int* (may be 0); answer the count
constexpr UINT SB_GETBORDERS = WM_USER + 7;
constexpr UINT SB_SETMINHEIGHT = WM_USER + 8;
constexpr UINT SB_SIMPLE = WM_USER + 9;     // wParam TRUE: one text over the whole bar
constexpr UINT SB_GETRECT = WM_USER + 10;   // wParam part, lParam RECT*
constexpr UINT SB_SETTEXTW = WM_USER + 11;  // the same as the A forms here: text is UTF-8 throughout
constexpr UINT SB_GETTEXTLENGTHW = WM_USER + 12;
constexpr UINT SB_GETTEXTW = WM_USER + 13;
constexpr UINT SB_ISSIMPLE = WM_USER + 14;
constexpr UINT SB_SETTEXT = SB_SETTEXTA;
constexpr UINT SB_GETTEXT = SB_GETTEXTA;
constexpr UINT SB_GETTEXTLENGTH = SB_GETTEXTLENGTHA;

constexpr WPARAM SB_SIMPLEID = 0x00FF;  // the part number of the simple-mode text
constexpr WPARAM SBT_NOBORDERS = 0x0100;
constexpr WPARAM SBT_POPOUT = 0x0200;
constexpr WPARAM SBT_RTLREADING = 0x0400;
constexpr WPARAM SBT_OWNERDRAW = 0x1000;

constexpr int kStatusBarMaxParts = 256;

}  // namespace plat
