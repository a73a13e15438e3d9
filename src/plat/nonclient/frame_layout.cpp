#include "plat/nonclient/frame_layout.h"

#include "plat/message_codes.h"
#include "plat/system/sys_metrics.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

int BorderFor(DWORD style, DWORD exStyle)
{
    if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

}  // namespace

FrameLayout LayoutFrame(const RECT& box, DWORD style, DWORD exStyle, UINT classStyle)
{
    FrameLayout f;
    f.box = box;
    f.border = BorderFor(style, exStyle);
    f.sizeable = (style & WS_THICKFRAME) != 0;
    RECT inner = box.inflated(-f.border, -f.border);
    if ((style & WS_CAPTION) == WS_CAPTION) {
        f.smallCaption = (exStyle & WS_EX_TOOLWINDOW) != 0;
        int height = GetSystemMetrics(f.smallCaption ? SM_CYSMCAPTION : SM_CYCAPTION);
        f.caption = {inner.left, inner.top, inner.right, inner.top + height - 1};
        inner.top += height;
        int bh = height - 5;  // 14 for the normal caption: 2 px above, 3 below with the separator
        int bw = bh + 2;
        int top = f.caption.top + 2;
        int right = f.caption.right - 2;
        if (style & WS_SYSMENU) {
            f.close = RECT::fromSize(right - bw, top, bw, bh);
            right = f.close.left - 2;
            if (!f.smallCaption && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
                f.maximize = RECT::fromSize(right - bw, top, bw, bh);
                f.minimize = RECT::fromSize(f.maximize.left - bw, top, bw, bh);
            } else if (!f.smallCaption && (exStyle & WS_EX_CONTEXTHELP)) {
                f.help = RECT::fromSize(right - bw, top, bw, bh);
            }
            if (!f.smallCaption && !(exStyle & WS_EX_DLGMODALFRAME))
                f.icon = RECT::fromSize(f.caption.left + 2, f.caption.top + 1, 16, 16);
        }
        (void)classStyle;
    }
    if (exStyle & WS_EX_CLIENTEDGE) inner = inner.inflated(-2, -2);
    else if (exStyle & WS_EX_STATICEDGE) inner = inner.inflated(-1, -1);
    if (inner.right < inner.left) inner.right = inner.left;
    if (inner.bottom < inner.top) inner.bottom = inner.top;
    f.clientEdge = inner;
    int sv = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
    bool v = (style & WS_VSCROLL) && inner.width() >= sv;
    bool h = (style & WS_HSCROLL) && inner.height() >= sh;
    if (v) {
        f.vscroll = {inner.right - sv, inner.top, inner.right, inner.bottom - (h ? sh : 0)};
        inner.right -= sv;
    }
    if (h) {
        f.hscroll = {inner.left, inner.bottom - sh, inner.right, inner.bottom};
        inner.bottom -= sh;
    }
    if (v && h) f.sizeBox = {f.vscroll.left, f.hscroll.top, f.vscroll.right, f.hscroll.bottom};
    f.client = inner;
    return f;
}

FrameLayout LayoutFrameOf(HWND hwnd)
{
    RECT r = WindowRect(hwnd);
    return LayoutFrame({0, 0, r.width(), r.height()}, GetWindowStyle(hwnd), GetWindowExStyle(hwnd),
                       UINT(GetClassLongPtr(hwnd, GCL_STYLE)));
}

LRESULT HitTestFrame(const FrameLayout& f, POINT p, DWORD style)
{
    if (!f.box.contains(p)) return HTNOWHERE;
    if (f.client.contains(p)) return HTCLIENT;
    if (f.vscroll.contains(p)) return HTVSCROLL;
    if (f.hscroll.contains(p)) return HTHSCROLL;
    if (f.sizeBox.contains(p)) return f.sizeable && !(style & WS_MAXIMIZE) ? HTBOTTOMRIGHT : HTGROWBOX;
    if (f.close.contains(p)) return HTCLOSE;
    if (f.maximize.contains(p)) return HTMAXBUTTON;
    if (f.minimize.contains(p)) return HTMINBUTTON;
    if (f.help.contains(p)) return HTHELP;
    if (f.icon.contains(p)) return HTSYSMENU;
    RECT captionBand = f.caption;
    captionBand.bottom += 1;  // the separator line belongs to the caption
    if (captionBand.contains(p)) return HTCAPTION;
    RECT inside = f.box.inflated(-f.border, -f.border);
    if (inside.contains(p) || f.border == 0) return HTBORDER;  // the client edge
    if (!f.sizeable || (style & (WS_MAXIMIZE | WS_MINIMIZE))) return HTBORDER;
    // Corners reach along the edges as far as a caption button is wide.
    int reach = GetSystemMetrics(SM_CXSIZE);
    bool left = p.x < f.box.left + f.border, right = p.x >= f.box.right - f.border;
    bool top = p.y < f.box.top + f.border, bottom = p.y >= f.box.bottom - f.border;
    bool nearLeft = p.x < f.box.left + reach, nearRight = p.x >= f.box.right - reach;
    bool nearTop = p.y < f.box.top + reach, nearBottom = p.y >= f.box.bottom - reach;
    if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    return HTBOTTOM;
}

}  // namespace plat
