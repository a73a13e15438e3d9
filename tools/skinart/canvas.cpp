#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace skinart {

Rgba rgba(gfx::Color c, float alpha)
{
    return {gfx::red(c) / 255.0f, gfx::green(c) / 255.0f, gfx::blue(c) / 255.0f, alpha};
}

Rgba mix(const Rgba& a, const Rgba& b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Inside roundRect(float l, float t, float r, float b, float radius)
{
    return [=](float x, float y) {
        if (x < l || x >= r || y < t || y >= b) return false;
        const float cx = std::clamp(x, l + radius, r - radius);
        const float cy = std::clamp(y, t + radius, b - radius);
        const float dx = x - cx, dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Inside circle(float cx, float cy, float r)
{
    return [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Inside capsule(float x0, float y0, float x1, float y1, float hw)
{
    return [=](float x, float y) {
        const float vx = x1 - x0, vy = y1 - y0;
        const float len2 = vx * vx + vy * vy;
        float t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0;
        t = std::clamp(t, 0.0f, 1.0f);
        const float dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= hw * hw;
    };
}

Inside triangle(float x0, float y0, float x1, float y1, float x2, float y2)
{
    return [=](float x, float y) {
        const float d0 = (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0);
        const float d1 = (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1);
        const float d2 = (x0 - x2) * (y - y2) - (y0 - y2) * (x - x2);
        return (d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0);
    };
}

Inside ring(const Inside& outer, const Inside& inner)
{
    return [=](float x, float y) { return outer(x, y) && !inner(x, y); };
}

Inside anyOf(const Inside& a, const Inside& b)
{
    return [=](float x, float y) { return a(x, y) || b(x, y); };
}

Paint solid(Rgba c)
{
    return [=](float, float) { return c; };
}

Paint vertical(Rgba top, Rgba bottom, float y0, float y1)
{
    return [=](float, float y) { return mix(top, bottom, (y - y0) / std::max(1e-3f, y1 - y0)); };
}

Paint horizontal(Rgba left, Rgba right, float x0, float x1)
{
    return [=](float x, float) { return mix(left, right, (x - x0) / std::max(1e-3f, x1 - x0)); };
}

Canvas::Canvas(int width, int height) : w_(width), h_(height), px_(std::size_t(width * height)) {}

void Canvas::fill(const Inside& shape, const Paint& paint)
{
    constexpr int kSamples = 4;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += shape(x + (sx + 0.5f) / kSamples, y + (sy + 0.5f) / kSamples) ? 1 : 0;
            if (hits == 0) continue;
            const Rgba src = paint(x + 0.5f, y + 0.5f);
            const float a = src.a * float(hits) / float(kSamples * kSamples);
            Rgba& dst = px_[std::size_t(y * w_ + x)];
            const float outA = a + dst.a * (1 - a);
            if (outA <= 0) continue;
            dst.r = (src.r * a + dst.r * dst.a * (1 - a)) / outA;
            dst.g = (src.g * a + dst.g * dst.a * (1 - a)) / outA;
            dst.b = (src.b * a + dst.b * dst.a * (1 - a)) / outA;
            dst.a = outA;
        }
}

void Canvas::cut(const Inside& shape)
{
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (shape(x + 0.5f, y + 0.5f)) px_[std::size_t(y * w_ + x)] = {};
}

gfx::Color over(const Rgba& p, gfx::Color background)
{
    const Rgba bg = rgba(background);
    auto ch = [&](float s, float d) { return std::uint8_t(std::lround(std::clamp(s * p.a + d * (1 - p.a), 0.0f, 1.0f) * 255)); };
    return gfx::rgb(ch(p.r, bg.r), ch(p.g, bg.g), ch(p.b, bg.b));
}

gfx::Color flatten(const Rgba& p, gfx::Color background, gfx::Color key)
{
    if (p.a < 0.3f) return key;
    gfx::Color c = over(p, background);
    if (c == key) c ^= 0x000100;  // never the key colour by accident
    return c;
}

}  // namespace skinart
