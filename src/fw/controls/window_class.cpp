#include "fw/controls/window_class.h"

#include "base/error.h"
#include "fw/controls/application_core.h"
#include "fw/controls/win_control.h"
#include "plat/window.h"

namespace fw {

using namespace plat;

LRESULT FrameworkClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = TWinControl::FromHandle(hwnd);
    if (!control) {
        TApplicationCore* app = TApplicationCore::Running();
        if (app && app->creating_) {
            control = app->creating_;
            app->creating_ = nullptr;
            control->AttachWindow(hwnd);
        }
    }
    if (control) return control->MainWndProc(hwnd, msg, wParam, lParam);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

WndProc RegisterFrameworkClass(const TCreateParams& params)
{
    WNDCLASSEX base;
    WndProc fallback = DefWindowProc;
    if (!params.PlatformClass.empty()) {
        if (!GetClassInfoEx(params.PlatformClass, &base))
            throw base::Error("Window class " + params.PlatformClass + " is not registered");
        fallback = base.lpfnWndProc;
    }
    WNDCLASSEX existing;
    if (GetClassInfoEx(params.WinClassName, &existing)) {
        if (existing.lpfnWndProc != WndProc(FrameworkClassProc))
            throw base::Error("Window class " + params.WinClassName + " belongs to another program part");
        return fallback;
    }
    WNDCLASSEX wc = base;  // a copy of the wrapped class: its extra bytes, cursor and brush
    wc.style = base.style | params.ClassStyle;
    wc.lpfnWndProc = FrameworkClassProc;
    if (params.Cursor) wc.hCursor = params.Cursor;
    if (params.Background) wc.hbrBackground = params.Background;
    wc.lpszClassName = params.WinClassName;
    wc.style &= ~CS_GLOBALCLASS;
    if (!RegisterClassEx(wc)) throw base::Error("Window class " + params.WinClassName + " cannot be registered");
    return fallback;
}

}  // namespace fw
