#include "plat/gdi/gradient.h"

#include <algorithm>
#include <cmath>

#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/paint.h"
#include "plat/gdi/raster.h"

namespace plat {

using namespace gdi;

namespace {

COLORREF colorOf(double r, double g, double b)
{
    auto channel = [](double v) { return BYTE(std::clamp(int(std::lround(v)) >> 8, 0, 255)); };
    return RGB(channel(r), channel(g), channel(b));
}

// Channel at position i of n: the two ends get exactly the vertex colours.
double lerp(double a, double b, int i, int n) { return n <= 1 ? a : a + (b - a) * i / (n - 1); }

void fillRectGradient(const Drawable& d, const TRIVERTEX& a, const TRIVERTEX& b, bool vertical)
{
    gfx::Rect logical{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const TRIVERTEX& first = (vertical ? a.y <= b.y : a.x <= b.x) ? a : b;
    const TRIVERTEX& last = &first == &a ? b : a;
    gfx::Rect p = logical.offset(d.target.offset);
    int n = vertical ? p.height() : p.width();
    forEachClipped(d.target.clip, p, [&](const gfx::Rect& part) {
        if (vertical) {
            for (int y = part.top; y < part.bottom; ++y) {
                int i = y - p.top;
                COLORREF c = colorOf(lerp(first.Red, last.Red, i, n), lerp(first.Green, last.Green, i, n),
                                     lerp(first.Blue, last.Blue, i, n));
                fillRectRop2(*d.target.bitmap, {part.left, y, part.right, y + 1}, c, R2_COPYPEN);
            }
        } else {
            for (int x = part.left; x < part.right; ++x) {
                int i = x - p.left;
                COLORREF c = colorOf(lerp(first.Red, last.Red, i, n), lerp(first.Green, last.Green, i, n),
                                     lerp(first.Blue, last.Blue, i, n));
                fillRectRop2(*d.target.bitmap, {x, part.top, x + 1, part.bottom}, c, R2_COPYPEN);
            }
        }
    });
}

// Barycentric shading of pixel centres inside the triangle.
void fillTriangle(const Drawable& d, const TRIVERTEX& a, const TRIVERTEX& b, const TRIVERTEX& c)
{
    gfx::Point o = d.target.offset;
    double ax = a.x + o.x, ay = a.y + o.y, bx = b.x + o.x, by = b.y + o.y, cx = c.x + o.x, cy = c.y + o.y;
    double area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
    if (area == 0) return;
    gfx::Rect box{int(std::floor(std::min({ax, bx, cx}))), int(std::floor(std::min({ay, by, cy}))),
                  int(std::ceil(std::max({ax, bx, cx}))) + 1, int(std::ceil(std::max({ay, by, cy}))) + 1};
    forEachClipped(d.target.clip, box, [&](const gfx::Rect& part) {
        for (int y = part.top; y < part.bottom; ++y) {
            for (int x = part.left; x < part.right; ++x) {
                double px = x + 0.5, py = y + 0.5;
                double wa = ((bx - px) * (cy - py) - (by - py) * (cx - px)) / area;
                double wb = ((cx - px) * (ay - py) - (cy - py) * (ax - px)) / area;
                double wc = 1.0 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                writePixel(*d.target.bitmap, x, y,
                           colorOf(wa * a.Red + wb * b.Red + wc * c.Red, wa * a.Green + wb * b.Green + wc * c.Green,
                                   wa * a.Blue + wb * b.Blue + wc * c.Blue));
            }
        }
    });
}

}  // namespace

BOOL GradientFill(HDC h, const TRIVERTEX* vertices, UINT vertexCount, const void* mesh, UINT meshCount, UINT mode)
{
    Drawable d = drawable(h);
    if (!d.dc || !vertices || !mesh) return 0;
    if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
        const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
        for (UINT i = 0; i < meshCount; ++i)
            if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) return 0;
        if (!d) return 1;
        for (UINT i = 0; i < meshCount; ++i)
            fillRectGradient(d, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight],
                             mode == GRADIENT_FILL_RECT_V);
        return 1;
    }
    if (mode == GRADIENT_FILL_TRIANGLE) {
        const auto* tris = static_cast<const GRADIENT_TRIANGLE*>(mesh);
        for (UINT i = 0; i < meshCount; ++i)
            if (tris[i].Vertex1 >= vertexCount || tris[i].Vertex2 >= vertexCount || tris[i].Vertex3 >= vertexCount)
                return 0;
        if (!d) return 1;
        for (UINT i = 0; i < meshCount; ++i)
            fillTriangle(d, vertices[tris[i].Vertex1], vertices[tris[i].Vertex2], vertices[tris[i].Vertex3]);
        return 1;
    }
    return 0;
}

}  // namespace plat
