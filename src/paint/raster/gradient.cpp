#include "paint/raster/gradient.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "paint/raster/rounding.h"
#include "plat/gdi/gdi.h"

namespace paint {

namespace {

// A walk from one colour to another over `length` lines: each line takes round(c) per channel,
// then c (held at float precision) gains the double increment.
struct ChannelWalk {
    float c[3];
    double inc[3];

    ChannelWalk(gfx::Color from, gfx::Color to, int length)
    {
        const int a[3] = {gfx::blue(from), gfx::green(from), gfx::red(from)};
        const int b[3] = {gfx::blue(to), gfx::green(to), gfx::red(to)};
        for (int k = 0; k < 3; ++k) {
            c[k] = float(a[k]);
            inc[k] = double(b[k] - a[k]) / double(length);
        }
    }
    void current(std::uint8_t out[3]) const
    {
        for (int k = 0; k < 3; ++k) out[k] = std::uint8_t(clampByte(int(roundEven(double(c[k])))));
    }
    void advance()
    {
        for (int k = 0; k < 3; ++k) c[k] = float(double(c[k]) + inc[k]);
    }
};

// Fills `pixels` pixels from p with one colour by doubling copies.
void fillPixels(std::uint8_t* p, int pixels, const std::uint8_t bgr[3])
{
    if (pixels <= 0) return;
    std::memcpy(p, bgr, 3);
    std::size_t done = 3;
    const std::size_t total = std::size_t(pixels) * 3;
    while (done < total) {
        const std::size_t n = std::min(done, total - done);
        std::memcpy(p + done, p, n);
        done += n;
    }
}

void verticalBands(gfx::Bitmap& bitmap, const gfx::Rect& r, const skin::TsGradArray& steps, int offset)
{
    const int lastRow = std::min(r.bottom, bitmap.height()) - 1;
    const int right = std::min(r.right, bitmap.width());
    const int columns = right - r.left;
    if (columns <= 0) return;
    int end = offset + r.top;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int start = end;
        end = start + std::uint8_t(steps[i].Percent) * (offset + r.height()) / 100;
        end = i + 1 == steps.size() ? lastRow : std::min(end, lastRow);
        if (start == end) break;
        if (end - start <= 0) continue;
        ChannelWalk walk(steps[i].Color1, steps[i].Color2, end - start);
        for (int y = start; y <= end; ++y, walk.advance()) {
            if (y < 0 || y >= bitmap.height()) continue;  // bands pushed off the bitmap by the offset
            std::uint8_t bgr[3];
            walk.current(bgr);
            fillPixels(bitmap.row(y) + 3 * r.left, columns, bgr);
        }
    }
}

void horizontalBands(gfx::Bitmap& bitmap, const gfx::Rect& r, const skin::TsGradArray& steps)
{
    const int lastColumn = std::min(r.right, bitmap.width()) - 1;
    const int bottom = std::min(r.bottom, bitmap.height());
    if (lastColumn < r.left || bottom <= r.top) return;
    // Every row is the same: work one out, then copy it down.
    std::vector<std::uint8_t> line(std::size_t(3) * bitmap.width());
    int hi = -1;  // the last column any band reached
    int end = r.left;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int start = end;
        end = int(roundEven(std::uint8_t(steps[i].Percent) * (double(r.width()) / 100.0) + start));
        end = i + 1 == steps.size() ? lastColumn : std::min(end, lastColumn);
        if (start == end) break;
        if (end - start <= 0) continue;
        ChannelWalk walk(steps[i].Color1, steps[i].Color2, end - start);
        for (int x = start; x <= end; ++x, walk.advance())
            if (x >= 0) walk.current(&line[std::size_t(3) * x]);
        hi = std::max(hi, end);
    }
    if (hi < r.left) return;
    // Bands follow on from the left edge, so the painted columns are left .. hi.
    const int from = r.left;
    const int to = hi;
    for (int y = r.top; y < bottom; ++y)
        std::memcpy(bitmap.row(y) + 3 * from, &line[std::size_t(3) * from], std::size_t(3) * (to - from + 1));
}

// Lends the bitmap's pixels to a memory context and takes them back, whatever happens.
class LentPixels {
public:
    explicit LentPixels(gfx::Bitmap& bitmap) : owner_(bitmap)
    {
        handle_ = plat::CreateBitmapFromPixels(std::move(bitmap));
        dc_ = plat::CreateCompatibleDC({});
        old_ = plat::SelectObject(dc_, handle_);
    }
    ~LentPixels()
    {
        plat::SelectObject(dc_, old_);
        plat::DeleteDC(dc_);
        owner_ = std::move(*plat::BitmapPixels(handle_));
        plat::DeleteObject(handle_);
    }
    LentPixels(const LentPixels&) = delete;
    LentPixels& operator=(const LentPixels&) = delete;
    plat::HDC dc() const { return dc_; }

private:
    gfx::Bitmap& owner_;
    plat::HBITMAP handle_;
    plat::HBITMAP old_;
    plat::HDC dc_;
};

// Five points, each the first colour of one step (a missing step repeats the point before),
// joined by four triangles through the centre.
void mesh(gfx::Bitmap& bitmap, const gfx::Rect& r, const skin::TsGradArray& steps)
{
    const gfx::Point points[5] = {{r.left, r.top},
                                  {r.left + r.width() / 2, r.top + r.height() / 2},
                                  {r.right, r.top},
                                  {r.right, r.bottom},
                                  {r.left, r.bottom}};
    plat::TRIVERTEX v[5];
    gfx::Color colour = steps[0].Color1;
    for (std::size_t i = 0; i < 5; ++i) {
        if (i < steps.size()) colour = steps[i].Color1;
        v[i].x = points[i].x;
        v[i].y = points[i].y;
        v[i].Red = plat::COLOR16(gfx::red(colour) << 8);
        v[i].Green = plat::COLOR16(gfx::green(colour) << 8);
        v[i].Blue = plat::COLOR16(gfx::blue(colour) << 8);
    }
    const plat::GRADIENT_TRIANGLE triangles[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
    LentPixels lent(bitmap);
    plat::GradientFill(lent.dc(), v, 5, triangles, 4, plat::GRADIENT_FILL_TRIANGLE);
}

}  // namespace

void PaintGradient(gfx::Bitmap& bitmap, gfx::Rect rect, const skin::TsGradArray& steps, int offset)
{
    if (steps.empty() || bitmap.bitsPerPixel() != 24) return;
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    if (rect.empty()) return;
    switch (steps[0].Mode) {
    case 0: verticalBands(bitmap, rect, steps, offset); break;
    case 1: horizontalBands(bitmap, rect, steps); break;
    case 2: mesh(bitmap, rect, steps); break;
    default: break;
    }
}

}  // namespace paint
