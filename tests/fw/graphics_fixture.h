#pragma once

#include <string>

#include "fw/graphics/canvas.h"
#include "gtest/gtest.h"
#include "plat/gdi/gdi.h"

namespace fw::test {

// A canvas over a memory DC with a 24-bit bitmap of one colour; the DC's own objects are kept
// to check that the canvas gives them back.
struct CanvasOnBitmap {
    explicit CanvasOnBitmap(int width = 60, int height = 30, plat::COLORREF fill = 0xFFFFFF)
    {
        dc = plat::CreateCompatibleDC({});
        gfx::Bitmap b(width, height, 24);
        b.fill(fill);
        bitmap = plat::CreateBitmapFromPixels(std::move(b));
        oldBitmap = plat::SelectObject(dc, bitmap);
        canvas.SetHandle(dc);
    }
    ~CanvasOnBitmap()
    {
        canvas.SetHandle({});
        plat::SelectObject(dc, oldBitmap);
        plat::DeleteObject(bitmap);
        plat::DeleteDC(dc);
    }
    CanvasOnBitmap(const CanvasOnBitmap&) = delete;
    CanvasOnBitmap& operator=(const CanvasOnBitmap&) = delete;

    gfx::Bitmap& pixels() const { return *plat::BitmapPixels(bitmap); }
    plat::COLORREF at(int x, int y) const { return pixels().pixel(x, y); }
    template <class Test>
    int countIf(Test test) const
    {
        int n = 0;
        for (int y = 0; y < pixels().height(); ++y)
            for (int x = 0; x < pixels().width(); ++x) n += test(at(x, y)) ? 1 : 0;
        return n;
    }
    int count(plat::COLORREF c) const
    {
        return countIf([c](plat::COLORREF p) { return p == c; });
    }

    plat::HDC dc;
    plat::HBITMAP bitmap;
    plat::HBITMAP oldBitmap;
    TCanvas canvas;
};

}  // namespace fw::test
