#pragma once

#include <functional>
#include <vector>

#include "gfx/color.h"

namespace skinart {

// A colour with coverage, straight (not premultiplied), channels 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

Rgba rgba(gfx::Color c, float alpha = 1.0f);
Rgba mix(const Rgba& a, const Rgba& b, float t);  // a at 0, b at 1

// Where a shape is: true for points inside it (pixel centres are at +0.5).
using Inside = std::function<bool(float x, float y)>;
// What a shape is filled with, by point.
using Paint = std::function<Rgba(float x, float y)>;

Inside roundRect(float left, float top, float right, float bottom, float radius);
Inside circle(float cx, float cy, float r);
Inside capsule(float x0, float y0, float x1, float y1, float halfWidth);  // a thick line
Inside triangle(float x0, float y0, float x1, float y1, float x2, float y2);
Inside ring(const Inside& outer, const Inside& inner);  // inside outer and not inside inner
Inside anyOf(const Inside& a, const Inside& b);

Paint solid(Rgba c);
Paint vertical(Rgba top, Rgba bottom, float y0, float y1);
Paint horizontal(Rgba left, Rgba right, float x0, float x1);

// A small picture drawn with anti-aliased shapes (16 samples a pixel), composed "over".
class Canvas {
public:
    Canvas(int width, int height);
    int width() const { return w_; }
    int height() const { return h_; }
    Rgba at(int x, int y) const { return px_[std::size_t(y * w_ + x)]; }

    void fill(const Inside& shape, const Paint& paint);
    void fill(const Inside& shape, Rgba c) { fill(shape, solid(c)); }
    // Makes the pixels whose centres lie in the shape fully transparent.
    void cut(const Inside& shape);
    // Sets pixels outright (no compositing).
    void set(int x, int y, Rgba c) { px_[std::size_t(y * w_ + x)] = c; }

private:
    int w_, h_;
    std::vector<Rgba> px_;
};

// The pixel as it shows over a background; pixels too transparent to show become `key`.
gfx::Color flatten(const Rgba& p, gfx::Color background, gfx::Color key = gfx::kKeyColor);
// The pixel composed over a background.
gfx::Color over(const Rgba& p, gfx::Color background);

}  // namespace skinart
