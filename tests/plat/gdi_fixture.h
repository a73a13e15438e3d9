#pragma once

#include <string>

#include "gtest/gtest.h"
#include "plat/gdi/gdi.h"

namespace plat::test {

// A memory DC drawing into a small 32-bit bitmap filled with one colour.
class MemoryDc {
public:
    MemoryDc(int width, int height, COLORREF fill = RGB(255, 255, 255), int bpp = 32)
    {
        dc = CreateCompatibleDC({});
        gfx::Bitmap pixels(width, height, bpp);
        pixels.fill(fill);
        bitmap = CreateBitmapFromPixels(std::move(pixels));
        old = SelectObject(dc, bitmap);
    }
    ~MemoryDc()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    gfx::Bitmap& pixels() const { return *BitmapPixels(bitmap); }
    COLORREF at(int x, int y) const { return pixels().pixel(x, y); }
    // One character per pixel of row y: '#' where the pixel has colour c, '.' elsewhere.
    std::string row(int y, COLORREF c) const
    {
        std::string s;
        for (int x = 0; x < pixels().width(); ++x) s += at(x, y) == c ? '#' : '.';
        return s;
    }
    int count(COLORREF c) const
    {
        int n = 0;
        for (int y = 0; y < pixels().height(); ++y)
            for (int x = 0; x < pixels().width(); ++x) n += at(x, y) == c;
        return n;
    }

    HDC dc;
    HBITMAP bitmap;
    HBITMAP old;
};

}  // namespace plat::test
