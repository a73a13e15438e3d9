#pragma once

#include <string>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace fw {

// What a windowed control's window is made from. A control wrapping a platform class names it in
// PlatformClass; its window is then registered under WinClassName as a copy of that class, and
// the platform's procedure becomes the control's default handler.
struct TCreateParams {
    std::string Caption;
    plat::DWORD Style = 0;
    plat::DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    plat::HWND WndParent;
    void* Param = nullptr;
    std::string WinClassName;   // the C++ class name unless a class changes it
    std::string PlatformClass;  // "Edit", "Button", "msctls_statusbar32"; empty: a plain window
    plat::UINT ClassStyle = 0;
    plat::HCURSOR Cursor;
    plat::HBRUSH Background;
};

}  // namespace fw
