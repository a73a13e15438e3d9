#include "plat/dialogs/message_box_icons.h"

#include <cmath>
#include <string>

#include "plat/dialogs/message_box.h"
#include "plat/gdi/gdi.h"

namespace plat {

namespace {

constexpr int N = kMessageBoxIconSize;

enum class Shape { Disc, Triangle };

// Whether the pixel centre lies in the shape (the disc's radius and the triangle's height fill
// the icon less one pixel for the outline).
bool Inside(Shape s, double x, double y, double shrink)
{
    if (s == Shape::Disc) {
        double c = (N - 1) / 2.0, r = N / 2.0 - 1 - shrink;
        return (x - c) * (x - c) + (y - c) * (y - c) <= r * r;
    }
    double top = 1 + shrink * 2, bottom = N - 2 - shrink;
    if (y < top || y > bottom) return false;
    double half = (y - top + 1) * 0.58;
    return std::abs(x - (N - 1) / 2.0) <= half - shrink;
}

void DrawGlyph(HDC dc, const char* glyph, COLORREF c, int height, int dy)
{
    LOGFONT lf;
    lf.lfHeight = -height;
    lf.lfWeight = FW_BOLD;
    lf.lfFaceName = "Times New Roman";
    HFONT f = CreateFontIndirect(&lf);
    HFONT old = SelectObject(dc, f);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, c);
    RECT r{0, dy, N, N + dy};
    DrawText(dc, glyph, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(HGDIOBJ(f));
}

void Cross(gfx::Bitmap& b, gfx::Color c)
{
    for (int i = 9; i <= 22; ++i)
        for (int w = -1; w <= 1; ++w) {
            b.setPixel(i + w, i, c);
            b.setPixel(N - 1 - i + w, i, c);
        }
}

}  // namespace

HICON CreateMessageBoxIcon(UINT iconFlags)
{
    UINT kind = iconFlags & MB_ICONMASK;
    if (kind != MB_ICONERROR && kind != MB_ICONWARNING && kind != MB_ICONQUESTION && kind != MB_ICONINFORMATION)
        return {};
    Shape shape = kind == MB_ICONWARNING ? Shape::Triangle : Shape::Disc;
    gfx::Color fill = kind == MB_ICONERROR ? gfx::rgb(220, 0, 0) : kind == MB_ICONWARNING ? gfx::rgb(255, 224, 0)
                                                                                           : gfx::kWhite;
    gfx::Color outline = kind == MB_ICONERROR ? gfx::rgb(128, 0, 0) : gfx::kBlack;

    HBITMAP colour = CreateBitmap(N, N, 1, 32, nullptr);
    HBITMAP mask = CreateBitmap(N, N, 1, 1, nullptr);
    gfx::Bitmap* px = BitmapPixels(colour);
    gfx::Bitmap* mk = BitmapPixels(mask);
    if (!px || !mk) {
        DeleteObject(HGDIOBJ(colour));
        DeleteObject(HGDIOBJ(mask));
        return {};
    }
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            bool in = Inside(shape, x, y, 0), core = Inside(shape, x, y, 1);
            mk->setPixel(x, y, in ? gfx::kBlack : gfx::kWhite);  // 1: the screen shows through
            px->setPixel(x, y, !in ? gfx::kBlack : core ? fill : outline);
        }
    if (kind == MB_ICONERROR) {
        Cross(*px, gfx::kWhite);
    } else {
        HDC dc = CreateCompatibleDC({});
        HBITMAP old = SelectObject(dc, colour);
        if (kind == MB_ICONWARNING) DrawGlyph(dc, "!", RGB(0, 0, 0), 22, 3);
        if (kind == MB_ICONQUESTION) DrawGlyph(dc, "?", RGB(0, 0, 200), 24, 0);
        if (kind == MB_ICONINFORMATION) DrawGlyph(dc, "i", RGB(0, 0, 200), 24, 0);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    ICONINFO info;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(HGDIOBJ(colour));
    DeleteObject(HGDIOBJ(mask));
    return icon;
}

}  // namespace plat
