#include <cmath>

#include "art.h"
#include "canvas.h"

namespace skinart {

namespace {

using gfx::Color;

// Puts a picture whose see-through pixels become the key colour; edges are mixed with the
// colour the picture is expected to stand on.
void putKeyed(gfx::Bitmap& master, const Canvas& c, int x0, int y0, Color background)
{
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) master.setPixel24(x0 + x, y0 + y, flatten(c.at(x, y), background));
}

// Puts a picture with its mask below it: mask 0 shows the picture, 255 what lies beneath.
void putMasked(gfx::Bitmap& master, const Canvas& c, int x0, int y0)
{
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const Rgba p = c.at(x, y);
            const std::uint8_t m = std::uint8_t(std::lround(255 * (1 - std::clamp(p.a, 0.0f, 1.0f))));
            master.setPixel24(x0 + x, y0 + y, p.a > 0 ? over({p.r, p.g, p.b, 1}, 0) : gfx::kKeyColor);
            master.setPixel24(x0 + x, y0 + c.height() + y, gfx::rgb(m, m, m));
        }
}

enum class Glyph { Close, Minimize, Maximize, Restore, None };

// A caption glyph of 8 pixels (6 when small) centred in the frame, on whole pixels.
void drawGlyph(Canvas& c, Glyph g, Rgba colour, bool small)
{
    const float s = small ? 6 : 8;
    const float cx = std::floor(c.width() / 2.0f), cy = std::floor(c.height() / 2.0f);
    const float l = cx - s / 2, t = cy - s / 2, r = cx + s / 2, b = cy + s / 2;
    switch (g) {
    case Glyph::Close:
    {
        const float hw = small ? 0.6f : 0.7f;
        c.fill(anyOf(capsule(l + 0.5f, t + 0.5f, r - 0.5f, b - 0.5f, hw), capsule(r - 0.5f, t + 0.5f, l + 0.5f, b - 0.5f, hw)), colour);
    }
        break;
    case Glyph::Minimize: c.fill(roundRect(l, b - 1, r, b, 0), colour); break;
    case Glyph::Maximize: c.fill(ring(roundRect(l, t, r, b, 0), roundRect(l + 1, t + 1, r - 1, b - 1, 0)), colour); break;
    case Glyph::Restore: {
        const float d = 2;
        const Inside front = roundRect(l, t + d, r - d, b, 0);
        c.fill(ring(front, roundRect(l + 1, t + d + 1, r - d - 1, b - 1, 0)), colour);
        const Inside back = ring(roundRect(l + d, t, r, b - d, 0), roundRect(l + d + 1, t + 1, r - 1, b - d - 1, 0));
        c.fill([=](float x, float y) { return back(x, y) && !front(x, y); }, colour);
        break;
    }
    case Glyph::None: break;
    }
}

// Three caption-button frames (normal, hot, pressed) side by side.
void captionButton(gfx::Bitmap& m, const Look& L, int x0, int y0, int fw, int fh, Glyph g, bool small)
{
    const bool close = g == Glyph::Close;
    for (int state = 0; state < 3; ++state) {
        Canvas c(fw, fh);
        Rgba glyph = rgba(L("GLYPH"));
        if (state > 0) {
            const Color fill = close ? L(state == 1 ? "CLOSE_HOT" : "CLOSE_PRESSED")
                                     : state == 1 ? L("HIGHLIGHT") : L("LINE");
            const Color edge = close ? fill : state == 1 ? L("LINE") : L("LINE_DARK");
            c.fill(roundRect(1, 1, float(fw - 1), float(fh - 1), 3), rgba(edge));
            c.fill(roundRect(2, 2, float(fw - 2), float(fh - 2), 2), rgba(fill));
            glyph = close ? rgba(0xFFFFFF) : rgba(L("GLYPH_HOT"));
        }
        drawGlyph(c, g, glyph, small);
        putKeyed(m, c, x0 + state * fw, y0, L("TITLE"));
    }
}

enum class Mark { None, Check, Square, Dot };

void drawMark(Canvas& c, Mark mark, Rgba colour)
{
    const float w = float(c.width()), h = float(c.height());
    switch (mark) {
    case Mark::Check:
        c.fill(anyOf(capsule(w * 0.26f, h * 0.52f, w * 0.43f, h * 0.70f, w * 0.075f),
                     capsule(w * 0.43f, h * 0.70f, w * 0.76f, h * 0.30f, w * 0.075f)),
               colour);
        break;
    case Mark::Square: c.fill(roundRect(w * 0.3f, h * 0.3f, w * 0.7f, h * 0.7f, 1), colour); break;
    case Mark::Dot: c.fill(circle(w / 2, h / 2, w * 0.2f), colour); break;
    case Mark::None: break;
    }
}

// Check box or radio frames: normal, hot, pressed.
void checkGlyph(gfx::Bitmap& m, const Look& L, int x0, int y0, int size, int frames, bool round, Mark mark)
{
    static const char* kLine[] = {"LINE_DARK", "HOT_LINE", "PRESSED_LINE"};
    static const char* kFill[] = {"WINDOW", "HOT_TOP", "PRESSED_TOP"};
    for (int state = 0; state < frames; ++state) {
        Canvas c(size, size);
        const float s = float(size);
        if (round) {
            c.fill(circle(s / 2, s / 2, s / 2 - 0.25f), rgba(L(kLine[state])));
            c.fill(circle(s / 2, s / 2, s / 2 - 1.25f), rgba(L(kFill[state])));
        } else {
            c.fill(roundRect(0, 0, s, s, 2.5f), rgba(L(kLine[state])));
            c.fill(roundRect(1, 1, s - 1, s - 1, 1.5f), rgba(L(kFill[state])));
        }
        drawMark(c, mark, rgba(L("ACCENT")));
        putKeyed(m, c, x0 + state * size, y0, L("FACE"));
    }
}

// The window frame: two frames (inactive, active) with rounded corners outside the key colour.
void formFrame(gfx::Bitmap& m, const Look& L)
{
    for (int state = 0; state < 2; ++state) {
        const Color line = L(state == 0 ? "FRAME_LINE" : "FRAME_LINE_ACTIVE");
        Canvas c(257, 17);
        c.fill(roundRect(0, 0, 257, 17, 4), rgba(line));
        c.fill(roundRect(1, 1, 256, 16, 3), rgba(L("HIGHLIGHT"), 0.6f));
        c.fill(roundRect(2, 2, 255, 15, 2), rgba(L("FACE")));
        putKeyed(m, c, state * 257, 79, line);
    }
}

// The title band's overlay: a light first row and a quiet line under the title; the middle
// lets the title colours show.
void titleOverlay(gfx::Bitmap& m, const Look& L)
{
    for (int state = 0; state < 2; ++state) {
        Canvas c(17, 14);
        c.fill(roundRect(0, 0, 17, 1, 0), rgba(L("HIGHLIGHT"), state == 0 ? 0.5f : 0.35f));
        c.fill(roundRect(0, 13, 17, 14, 0), rgba(state == 0 ? L("LINE") : L("TITLE_CONTOUR"), state == 0 ? 0.9f : 0.45f));
        putMasked(m, c, 394 + state * 17, 31);
    }
}

// Push-button frames (normal, hot, pressed), 17 x 21: the middle row is see-through so that a
// button of any height shows its parent there; the column-header entry reuses the lower half.
void button(gfx::Bitmap& m, const Look& L)
{
    static const char* kLine[] = {"LINE_DARK", "HOT_LINE", "PRESSED_LINE"};
    static const char* kTop[] = {"BUTTON_TOP", "HOT_TOP", "PRESSED_TOP"};
    const Rgba face = rgba(L("FACE"));
    const Rgba shade = mix(face, rgba(L("LINE_DARK")), 0.22f);
    for (int state = 0; state < 3; ++state) {
        Canvas c(17, 21);
        c.fill(roundRect(0, 0, 17, 21, 3), rgba(L(kLine[state])));
        c.fill(roundRect(1, 1, 16, 20, 2), rgba(L("HIGHLIGHT"), state == 2 ? 0.25f : 0.8f));
        c.fill(roundRect(2, 2, 15, 19, 1.5f), [&](float, float y) {
            if (y < 10) return mix(rgba(L(kTop[state])), face, (y - 2) / 8);
            return mix(face, state == 2 ? face : shade, (y - 11) / 8);
        });
        c.cut(roundRect(2, 10, 15, 11, 0));
        putKeyed(m, c, 48 + state * 17, 19, L("FACE"));
    }
}

void edit(gfx::Bitmap& m, const Look& L)
{
    Canvas c(7, 9);
    c.fill(roundRect(0, 0, 7, 9, 1.5f), rgba(L("LINE_DARK")));
    c.fill(roundRect(1, 1, 6, 8, 0.75f), rgba(L("WINDOW")));
    putKeyed(m, c, 34, 19, L("FACE"));
}

void panel(gfx::Bitmap& m, const Look& L)
{
    const Color hi = L("HIGHLIGHT"), lo = L("LINE"), face = L("FACE");
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool corner = (x == 0 || x == 4) && (y == 0 || y == 4);
            Color c = face;
            if (y == 0 || x == 0) c = hi;
            if (y == 4 || x == 4) c = lo;
            m.setPixel24(104 + x, 36 + y, corner ? gfx::kKeyColor : c);
        }
}

// The status-bar and scroll-bar strip, the vertical track, the menu icon line and the menu bar,
// which share pixels: every row or column that an entry lays in tiles stays uniform.
void strips(gfx::Bitmap& m, const Look& L)
{
    const Color line = L("LINE"), track = L("SCROLL_TRACK"), menu = L("MENU");
    for (int x = 133; x < 138; ++x) {
        m.setPixel24(x, 25, line);
        for (int y = 26; y < 29; ++y) m.setPixel24(x, y, track);
        for (int y = 29; y < 36; ++y) m.setPixel24(x, y, x == 133 ? line : track);
        for (int y = 19; y < 24; ++y) m.setPixel24(x, y, y == 23 ? line : menu);
    }
    for (int x = 130; x < 133; ++x)
        for (int y = 28; y < 36; ++y) m.setPixel24(x, y, menu);
}

void menuItem(gfx::Bitmap& m, const Look& L)
{
    Canvas c(15, 21);
    c.fill(roundRect(0, 0, 15, 21, 3), rgba(L("HOT_LINE")));
    c.fill(roundRect(1, 1, 14, 20, 2), rgba(L("HIGHLIGHT"), 0.7f));
    c.cut(roundRect(2, 2, 13, 19, 1.5f));
    putKeyed(m, c, 138, 19, L("MENU_SEL"));
}

// Scroll-button frames with a mask: an outline over the button's own gradient.
void scrollButton(gfx::Bitmap& m, const Look& L, int x0, int y0, int fw, int fh)
{
    static const char* kLine[] = {"LINE_DARK", "HOT_LINE", "PRESSED_LINE"};
    for (int state = 0; state < 3; ++state) {
        Canvas c(fw, fh);
        c.fill(ring(roundRect(0, 0, float(fw), float(fh), 2), roundRect(1, 1, float(fw - 1), float(fh - 1), 1)),
               rgba(L(kLine[state])));
        c.fill(ring(roundRect(1, 1, float(fw - 1), float(fh - 1), 1), roundRect(2, 2, float(fw - 2), float(fh - 2), 0.5f)),
               rgba(L("HIGHLIGHT"), state == 2 ? 0.15f : 0.55f));
        putMasked(m, c, x0 + state * fw, y0);
    }
}

void arrows(gfx::Bitmap& m, const Look& L)
{
    const Rgba g = rgba(L("GLYPH"));
    const Color bg = L("SB2");
    Canvas up(7, 4), down(7, 4), left(4, 7), right(4, 7);
    up.fill(triangle(0, 4, 3.5f, 0.5f, 7, 4), g);
    down.fill(triangle(0, 0, 3.5f, 3.5f, 7, 0), g);
    left.fill(triangle(4, 0, 0.5f, 3.5f, 4, 7), g);
    right.fill(triangle(0, 0, 3.5f, 3.5f, 0, 7), g);
    putKeyed(m, up, 164, 31, bg);
    putKeyed(m, down, 164, 36, bg);
    putKeyed(m, left, 154, 32, bg);
    putKeyed(m, right, 159, 32, bg);
}

void grip(gfx::Bitmap& m, const Look& L)
{
    Canvas c(10, 10);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col) {
            const float x = float(7 - 3 * col), y = float(7 - 3 * (row - col));
            c.fill(roundRect(x + 1, y + 1, x + 3, y + 3, 0), rgba(L("HIGHLIGHT")));
            c.fill(roundRect(x, y, x + 2, y + 2, 0), rgba(L("LINE_DARK")));
        }
    putKeyed(m, c, 342, 19, L("FACE"));
}

}  // namespace

gfx::Bitmap drawMaster(const Look& L)
{
    gfx::Bitmap m(515, 100);
    m.fill(gfx::kKeyColor);
    captionButton(m, L, 34, 0, 32, 18, Glyph::Close, false);
    captionButton(m, L, 191, 0, 26, 18, Glyph::Minimize, false);
    captionButton(m, L, 269, 0, 26, 18, Glyph::Maximize, false);
    captionButton(m, L, 347, 0, 26, 18, Glyph::Restore, false);
    captionButton(m, L, 431, 0, 28, 19, Glyph::None, false);
    captionButton(m, L, 310, 32, 28, 15, Glyph::Minimize, true);
    captionButton(m, L, 310, 47, 28, 15, Glyph::Close, true);
    captionButton(m, L, 310, 62, 28, 15, Glyph::Restore, true);
    checkGlyph(m, L, 153, 19, 12, 3, true, Mark::None);
    checkGlyph(m, L, 189, 19, 13, 3, false, Mark::None);
    checkGlyph(m, L, 228, 19, 12, 3, true, Mark::Dot);
    checkGlyph(m, L, 264, 19, 13, 3, false, Mark::Check);
    checkGlyph(m, L, 303, 19, 13, 3, false, Mark::Square);
    checkGlyph(m, L, 352, 20, 11, 1, false, Mark::None);
    checkGlyph(m, L, 363, 20, 11, 1, false, Mark::Check);
    checkGlyph(m, L, 374, 20, 11, 1, false, Mark::Square);
    grip(m, L);
    formFrame(m, L);
    titleOverlay(m, L);
    button(m, L);
    edit(m, L);
    panel(m, L);
    strips(m, L);
    menuItem(m, L);
    scrollButton(m, L, 84, 42, 12, 10);
    scrollButton(m, L, 172, 32, 10, 12);
    arrows(m, L);
    return m;
}

}  // namespace skinart
