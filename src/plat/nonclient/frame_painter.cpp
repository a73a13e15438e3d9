#include "plat/nonclient/frame_painter.h"
#include "plat/nonclient/plain_frame.h"

#include <string>

#include "plat/gdi/dc.h"
#include "plat/gdi/edges.h"
#include "plat/gdi/gradient.h"
#include "plat/gdi/icons.h"
#include "plat/gdi/objects.h"
#include "plat/gdi/shapes.h"
#include "plat/gdi/text.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/nonclient/scroll_state.h"
#include "plat/paint.h"
#include "plat/system/sys_colors.h"
#include "plat/system/sys_metrics.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

void Fill(HDC dc, const RECT& r, int colorIndex) { FillRect(dc, &r, GetSysColorBrush(colorIndex)); }
void Dot(HDC dc, int x, int y, int w, int h, int colorIndex) { Fill(dc, RECT::fromSize(x, y, w, h), colorIndex); }

// A raised (or, pressed, sunken) button face; returns the glyph offset.
int DrawButtonFace(HDC dc, RECT r, bool pressed)
{
    Fill(dc, r, COLOR_BTNFACE);
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    return pressed ? 1 : 0;
}

enum class Glyph { Close, Maximize, Restore, Minimize, Help };

void DrawGlyphShape(HDC dc, Glyph g, int x, int y, int color)
{
    switch (g) {
    case Glyph::Close:  // an 8x7 cross of two-pixel strokes
        for (int i = 0; i < 7; ++i) {
            Dot(dc, x + i, y + i, 2, 1, color);
            Dot(dc, x + 6 - i, y + i, 2, 1, color);
        }
        break;
    case Glyph::Maximize:
        Fill(dc, RECT::fromSize(x, y, 9, 2), color);
        Dot(dc, x, y, 1, 9, color);
        Dot(dc, x + 8, y, 1, 9, color);
        Dot(dc, x, y + 8, 9, 1, color);
        break;
    case Glyph::Restore:
        Dot(dc, x + 2, y - 1, 6, 2, color);
        Dot(dc, x + 7, y - 1, 1, 6, color);
        Dot(dc, x + 6, y + 4, 2, 1, color);
        Dot(dc, x + 2, y - 1, 1, 2, color);
        Dot(dc, x, y + 2, 6, 2, color);
        Dot(dc, x, y + 2, 1, 6, color);
        Dot(dc, x + 5, y + 2, 1, 6, color);
        Dot(dc, x, y + 7, 6, 1, color);
        break;
    case Glyph::Minimize: Dot(dc, x + 1, y + 6, 6, 2, color); break;
    case Glyph::Help: {
        Dot(dc, x + 2, y, 4, 1, color);
        Dot(dc, x + 1, y + 1, 2, 2, color);
        Dot(dc, x + 5, y + 1, 2, 2, color);
        Dot(dc, x + 4, y + 3, 2, 1, color);
        Dot(dc, x + 3, y + 4, 2, 2, color);
        Dot(dc, x + 3, y + 7, 2, 2, color);
        break;
    }
    }
}

void DrawCaptionButton(HDC dc, const RECT& r, Glyph g, bool pressed, bool enabled)
{
    if (r.empty()) return;
    int off = DrawButtonFace(dc, r, pressed);
    int x = r.left + (r.width() - 8) / 2 + off - (g == Glyph::Maximize || g == Glyph::Restore ? 0 : 0);
    int y = r.top + (r.height() - 7) / 2 + off;
    if (g == Glyph::Maximize) y -= 1;
    if (g == Glyph::Restore) y += 0;
    if (enabled) {
        DrawGlyphShape(dc, g, x, y, COLOR_BTNTEXT);
    } else {
        DrawGlyphShape(dc, g, x + 1, y + 1, COLOR_BTNHIGHLIGHT);
        DrawGlyphShape(dc, g, x, y, COLOR_BTNSHADOW);
    }
}

// A small default window picture for windows without an icon.
void DrawDefaultIcon(HDC dc, const RECT& r)
{
    RECT frame = r.inflated(-1, -2);
    Fill(dc, frame, COLOR_WINDOW);
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWTEXT));
    Fill(dc, RECT{frame.left + 1, frame.top + 1, frame.right - 1, frame.top + 4}, COLOR_ACTIVECAPTION);
}

HICON SmallIconOf(HWND hwnd)
{
    constexpr WPARAM kIconSmall = 0;
    auto icon = SendMessage(hwnd, WM_GETICON, kIconSmall, 0);
    if (icon) return HICON(HGDIOBJ(std::uint64_t(icon)));
    auto cls = GetClassLongPtr(hwnd, GCLP_HICONSM);
    if (!cls) cls = GetClassLongPtr(hwnd, GCLP_HICON);
    return HICON(HGDIOBJ(std::uint64_t(cls)));
}

void DrawArrow(HDC dc, const RECT& r, int direction, bool pressed, bool enabled)
{
    // direction: 0 up, 1 down, 2 left, 3 right
    if (pressed) {
        Fill(dc, r, COLOR_BTNFACE);
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawButtonFace(dc, r, false);
    }
    int off = pressed ? 1 : 0;
    int cx = r.left + r.width() / 2 + off, cy = r.top + r.height() / 2 + off;
    auto paint = [&](int dx, int dy, int color) {
        for (int i = 0; i < 4; ++i) {
            int half = 3 - i;
            switch (direction) {
            case 0: Dot(dc, cx - half - 1 + dx, cy + 1 - i + dy, 2 * half + 1, 1, color); break;
            case 1: Dot(dc, cx - half - 1 + dx, cy - 2 + i + dy, 2 * half + 1, 1, color); break;
            case 2: Dot(dc, cx + 1 - i + dx, cy - half - 1 + dy, 1, 2 * half + 1, color); break;
            default: Dot(dc, cx - 2 + i + dx, cy - half - 1 + dy, 1, 2 * half + 1, color); break;
            }
        }
    };
    if (enabled) {
        paint(0, 0, COLOR_BTNTEXT);
    } else {
        paint(1, 1, COLOR_BTNHIGHLIGHT);
        paint(0, 0, COLOR_BTNSHADOW);
    }
}

// The classic track: a checkerboard of highlight and face.
void DrawTrack(HDC dc, const RECT& r, bool pressed)
{
    if (r.empty()) return;
    Fill(dc, r, pressed ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT);
    COLORREF other = GetSysColor(pressed ? COLOR_3DDKSHADOW : COLOR_SCROLLBAR);
    if (pressed) return;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + ((y + r.left) & 1); x < r.right; x += 2) SetPixelV(dc, x, y, other);
}

void DrawSizeGrip(HDC dc, const RECT& r)
{
    // Three diagonal ridges: a highlight line and two shadow lines each.
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            int d = (r.right - 1 - x) + (r.bottom - 1 - y);
            if (d < 1 || d > 12) continue;
            int k = d % 4;
            if (k == 0) continue;
            SetPixelV(dc, x, y, GetSysColor(k == 3 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
        }
}


}  // namespace

void DrawCaption(HWND hwnd, HDC dc, const FrameLayout& f, LRESULT pressed)
{
    if (f.caption.empty()) return;
    bool active = NonClientStateOf(hwnd).active;
    COLORREF a = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    COLORREF b = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    TRIVERTEX v[2];
    v[0] = {f.caption.left, f.caption.top, COLOR16(GetRValue(a) << 8), COLOR16(GetGValue(a) << 8),
            COLOR16(GetBValue(a) << 8), 0};
    v[1] = {f.caption.right, f.caption.bottom, COLOR16(GetRValue(b) << 8), COLOR16(GetGValue(b) << 8),
            COLOR16(GetBValue(b) << 8), 0};
    GRADIENT_RECT mesh{0, 1};
    GradientFill(dc, v, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
    Fill(dc, RECT{f.caption.left, f.caption.bottom, f.caption.right, f.caption.bottom + 1}, COLOR_BTNFACE);

    int textLeft = f.caption.left + 3;
    if (!f.icon.empty()) {
        HICON icon = SmallIconOf(hwnd);
        if (icon && IconSize(icon).width > 0)
            DrawIconEx(dc, f.icon.left, f.icon.top, icon, 16, 16, 0, {}, 0x0003);
        else
            DrawDefaultIcon(dc, f.icon);
        textLeft = f.icon.right + 2;
    }
    int textRight = f.caption.right - 2;
    for (const RECT* r : {&f.minimize, &f.help, &f.maximize, &f.close})
        if (!r->empty()) {
            textRight = r->left - 2;
            break;
        }

    LOGFONT lf;
    lf.lfHeight = f.smallCaption ? -10 : -11;
    lf.lfWeight = FW_BOLD;
    lf.lfFaceName = "MS Sans Serif";
    HFONT font = CreateFontIndirect(&lf);
    HFONT old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    RECT text{textLeft, f.caption.top, textRight, f.caption.bottom};
    DrawText(dc, GetWindowText(hwnd), &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, old);
    DeleteObject(HGDIOBJ(font));

    DWORD style = GetWindowStyle(hwnd);
    DrawCaptionButton(dc, f.close, Glyph::Close, pressed == HTCLOSE, CanCloseWindow(hwnd));
    DrawCaptionButton(dc, f.maximize, (style & WS_MAXIMIZE) ? Glyph::Restore : Glyph::Maximize,
                      pressed == HTMAXBUTTON, (style & WS_MAXIMIZEBOX) != 0);
    DrawCaptionButton(dc, f.minimize, (style & WS_MINIMIZE) ? Glyph::Restore : Glyph::Minimize,
                      pressed == HTMINBUTTON, (style & WS_MINIMIZEBOX) != 0);
    DrawCaptionButton(dc, f.help, Glyph::Help, pressed == HTHELP, true);
}

void DrawScrollBar(HWND hwnd, HDC dc, const FrameLayout& f, int bar)
{
    bool vertical = bar == SB_VERT;
    RECT r = vertical ? f.vscroll : f.hscroll;
    if (r.empty()) return;
    ScrollBarState s = vertical ? NonClientStateOf(hwnd).vert : NonClientStateOf(hwnd).horz;
    if (s.pressedPart == 5) s.pos = s.trackPos;  // the thumb follows the drag
    int length = vertical ? r.height() : r.width();
    ScrollGeometry g = GeometryFor(s, length, vertical ? r.width() : r.height());
    auto span = [&](int from, int to) {
        return vertical ? RECT{r.left, r.top + from, r.right, r.top + to} : RECT{r.left + from, r.top, r.left + to, r.bottom};
    };
    bool allOff = s.disabled == 3 || !Scrollable(s);
    DrawArrow(dc, span(0, g.arrow), vertical ? 0 : 2, s.pressedPart == 0, !allOff && !(s.disabled & 1));
    DrawArrow(dc, span(length - g.arrow, length), vertical ? 1 : 3, s.pressedPart == 1, !allOff && !(s.disabled & 2));
    if (g.thumbLength == 0) {
        DrawTrack(dc, span(g.arrow, length - g.arrow), false);
    } else {
        DrawTrack(dc, span(g.arrow, g.thumbStart), s.pressedPart == 2);
        DrawTrack(dc, span(g.thumbStart + g.thumbLength, length - g.arrow), s.pressedPart == 3);
        DrawButtonFace(dc, span(g.thumbStart, g.thumbStart + g.thumbLength), false);
    }
}

void DrawPlainFrame(HWND hwnd, HDC dc)
{
    FrameLayout f = LayoutFrameOf(hwnd);
    DWORD style = GetWindowStyle(hwnd);
    DWORD ex = GetWindowExStyle(hwnd);
    RECT r = f.box;
    if (f.border == 1) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    } else if (f.border > 1) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        int face = NonClientStateOf(hwnd).active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER;
        for (int i = 2; i < f.border; ++i) {
            FrameRect(dc, &r, GetSysColorBrush(face));
            r = r.inflated(-1, -1);
        }
    }
    DrawCaption(hwnd, dc, f, 0);
    RECT inner = f.box.inflated(-f.border, -f.border);
    if (!f.caption.empty()) inner.top = f.caption.bottom + 1;
    if (ex & WS_EX_CLIENTEDGE) DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT);
    else if (ex & WS_EX_STATICEDGE) DrawEdge(dc, &inner, BDR_SUNKENOUTER, BF_RECT);
    DrawScrollBar(hwnd, dc, f, SB_HORZ);
    DrawScrollBar(hwnd, dc, f, SB_VERT);
    if (!f.sizeBox.empty()) {
        Fill(dc, f.sizeBox, COLOR_BTNFACE);
        if (f.sizeable && !(style & WS_MAXIMIZE) && !(style & WS_CHILD)) DrawSizeGrip(dc, f.sizeBox);
    }
}

void RedrawCaptionNow(HWND hwnd, LRESULT pressed)
{
    if (!IsWindowVisible(hwnd)) return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    DrawCaption(hwnd, dc, LayoutFrameOf(hwnd), pressed);
    ReleaseDC(hwnd, dc);
}

void RedrawScrollBarNow(HWND hwnd, int bar)
{
    if (!IsWindowVisible(hwnd)) return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    DrawScrollBar(hwnd, dc, LayoutFrameOf(hwnd), bar);
    ReleaseDC(hwnd, dc);
}

}  // namespace plat
