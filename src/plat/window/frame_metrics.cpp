#include "plat/window/frame_metrics.h"

#include "plat/system/sys_metrics.h"
#include "plat/window_styles.h"

namespace plat {

FrameMetrics FrameMetricsFor(DWORD style, DWORD exStyle)
{
    FrameMetrics f;
    if (style & WS_THICKFRAME) f.border = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) f.border = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER) f.border = GetSystemMetrics(SM_CXBORDER);
    if (exStyle & WS_EX_CLIENTEDGE) f.border += 2;
    else if (exStyle & WS_EX_STATICEDGE) f.border += 1;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        f.smallCaption = (exStyle & WS_EX_TOOLWINDOW) != 0;
        f.caption = GetSystemMetrics(f.smallCaption ? SM_CYSMCAPTION : SM_CYCAPTION);
    }
    if (style & WS_VSCROLL) f.vscroll = GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) f.hscroll = GetSystemMetrics(SM_CYHSCROLL);
    return f;
}

RECT ClientFromWindowRect(const RECT& window, DWORD style, DWORD exStyle)
{
    FrameMetrics f = FrameMetricsFor(style, exStyle);
    RECT r{window.left + f.border, window.top + f.border + f.caption, window.right - f.border - f.vscroll,
           window.bottom - f.border - f.hscroll};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

}  // namespace plat
