#include "plat/system/sys_metrics.h"

#include "plat/state/run_state.h"

namespace plat {

namespace {

struct Screen {
    int width = 1024;
    int height = 768;
    RECT workArea{0, 0, 1024, 768};
};

Screen& screen() { return RunPart<Screen>(); }

constexpr int kFrame = 4;
constexpr int kCaption = 19;

}  // namespace

void SetScreenMetrics(int width, int height, const RECT& workArea)
{
    screen().width = width;
    screen().height = height;
    screen().workArea = workArea;
}

RECT GetWorkArea() { return screen().workArea; }

int GetSystemMetrics(int index)
{
    const Screen& s = screen();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return s.width;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return s.height;
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN: return 0;
    case SM_CXFULLSCREEN: return s.workArea.width();
    case SM_CYFULLSCREEN: return s.workArea.height() - kCaption;
    case SM_CXMAXIMIZED: return s.workArea.width() + 2 * kFrame;
    case SM_CYMAXIMIZED: return s.workArea.height() + 2 * kFrame;
    case SM_CXMAXTRACK: return s.width + 2 * kFrame + 4;
    case SM_CYMAXTRACK: return s.height + 2 * kFrame + 4;

    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return kCaption;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return kFrame;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 18;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CYSMCAPTION: return 17;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE: return 16;
    case SM_CXMIN:
    case SM_CXMINTRACK: return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK: return kCaption + 2 * kFrame;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING: return 75;
    case SM_CXMINSPACING:
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINSPACING:
    case SM_CYMINIMIZED: return 24;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER: return 1;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS:
    case SM_SAMEDISPLAYFORMAT: return 1;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_SWAPBUTTON:
    case SM_MENUDROPALIGNMENT:
    case SM_ARRANGE:
    case SM_REMOTESESSION: return 0;
    default: return 0;
    }
}

namespace {
constexpr DWORD kMajor = 5;
constexpr DWORD kMinor = 1;
constexpr DWORD kBuild = 2600;
}  // namespace

DWORD GetVersion() { return kMajor | (kMinor << 8) | (kBuild << 16); }

BOOL GetVersionEx(OSVERSIONINFO* info)
{
    if (!info) return 0;
    info->dwMajorVersion = kMajor;
    info->dwMinorVersion = kMinor;
    info->dwBuildNumber = kBuild;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    info->szCSDVersion.clear();
    return 1;
}

}  // namespace plat
