#pragma once

#include "gfx/bitmap.h"
#include "plat/gdi/device_context.h"
#include "plat/gdi/gdi_object.h"

namespace plat::gdi {

// A brush resolved for one DC: the colour it gives at each target pixel (internal).
struct BrushPaint {
    bool null = true;
    COLORREF solid = 0;
    const gfx::Bitmap* pattern = nullptr;
    COLORREF foreground = 0;  // mono patterns: 0 bits
    COLORREF background = 0;  // mono patterns: 1 bits
    gfx::Point origin;        // pattern origin in target pixels

    COLORREF at(int x, int y) const;
};

// Also accepts the classic (system colour index + 1) in place of a brush handle.
BrushPaint brushPaint(const DeviceContext& d, const Target& t, HBRUSH brush);

struct PenPaint {
    bool null = true;
    COLORREF color = 0;
    int width = 1;
    int style = PS_SOLID;
};
PenPaint penPaint(const DeviceContext& d);

// Fills pixels of `area` (target pixels, already clipped) with the brush through rop2.
void paintArea(gfx::Bitmap& b, const gfx::Region& area, const BrushPaint& brush, int rop2);

// Commonly needed: resolve a DC handle into the context and its target; null when not drawable.
struct Drawable {
    DeviceContext* dc = nullptr;
    Target target;
    explicit operator bool() const { return dc && target.bitmap; }
};
Drawable drawable(HDC h);

}  // namespace plat::gdi
