#include "contact_sheet.h"

#include <map>
#include <string>
#include <vector>

#include "base/format.h"
#include "gfx/font.h"

namespace skintool {

namespace {

using gfx::Color;
using gfx::Rect;

}  // namespace

// A one-pixel outline, kept inside `clip`.
void outline(gfx::Bitmap& b, const Rect& r, Color c, const Rect& clip)
{
    b.fillRect(Rect{r.left, r.top, r.right, r.top + 1}.intersected(clip), c);
    b.fillRect(Rect{r.left, r.bottom - 1, r.right, r.bottom}.intersected(clip), c);
    b.fillRect(Rect{r.left, r.top, r.left + 1, r.bottom}.intersected(clip), c);
    b.fillRect(Rect{r.right - 1, r.top, r.right, r.bottom}.intersected(clip), c);
}

namespace {

Color kindColor(skin::TacImgType t)
{
    switch (t) {
    case skin::TacImgType::itisaBorder: return gfx::rgb(0, 90, 220);
    case skin::TacImgType::itisaGlyph: return gfx::rgb(0, 150, 60);
    case skin::TacImgType::itisaTexture: return gfx::rgb(220, 110, 0);
    }
    return 0;
}

struct Group {
    Rect rect;
    const skin::TsMaskData* first = nullptr;
    std::vector<std::string> names;
};

}  // namespace

gfx::Bitmap drawContactSheet(const skin::LoadedSkin& s, int scale, gfx::Rect region)
{
    region = region.empty() ? s.MasterBitmap.rect() : region.intersected(s.MasterBitmap.rect());
    gfx::Bitmap m(std::max(1, region.width()), std::max(1, region.height()));
    for (int y = 0; y < region.height(); ++y)
        for (int x = 0; x < region.width(); ++x) m.setPixel24(x, y, s.MasterBitmap.pixel24(region.left + x, region.top + y));
    // One number per rectangle; entries that share a rectangle share its number.
    std::vector<Group> groups;
    for (const skin::TsMaskData& mask : s.ma) {
        if (mask.hasOwnImage() || !mask.SourceRect.intersects(region)) continue;
        auto it = std::find_if(groups.begin(), groups.end(), [&](const Group& g) { return g.rect == mask.SourceRect; });
        if (it == groups.end()) {
            groups.push_back({mask.SourceRect, &mask, {}});
            it = groups.end() - 1;
        }
        it->names.push_back(mask.SectionName + "." + mask.PropertyName);
    }
    const auto font = gfx::Font::open({"DejaVu Sans", -11});
    const auto small = gfx::Font::open({"DejaVu Sans", -9, 700});
    const int lineHeight = font->metrics().height + 2;
    const int columns = 2;
    const int legendRows = int((groups.size() + columns - 1) / columns);
    const int top = 8, left = 8;
    const int width = std::max(m.width() * scale + 2 * left, 1200);
    const int height = top + m.height() * scale + 16 + legendRows * lineHeight + 8;
    gfx::Bitmap sheet(width, height);
    sheet.fill(0xFFFFFF);

    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x) {
            Color c = m.pixel24(x, y);
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) {
                    Color p = c;
                    if (c == gfx::kKeyColor) p = (((x * scale + dx) / 4 + (y * scale + dy) / 4) % 2) ? 0xE8E8E8 : 0xFFFFFF;
                    sheet.setPixel24(left + x * scale + dx, top + y * scale + dy, p);
                }
        }
    const Rect all = sheet.rect();
    for (Group& g : groups) g.rect = g.rect.offset(-region.left, -region.top);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const Group& g = groups[i];
        const skin::TsMaskData& mk = *g.first;
        const Rect r{left + g.rect.left * scale, top + g.rect.top * scale, left + g.rect.right * scale,
                     top + g.rect.bottom * scale};
        const Color c = kindColor(mk.ImgType);
        const gfx::Rect shown{left, top, left + m.width() * scale, top + m.height() * scale};
        auto outline = [&](gfx::Bitmap& b, const Rect& rr, Color cc) { skintool::outline(b, rr, cc, shown); };
        const int frames = std::max<int>(1, mk.ImageCount);
        const int fw = g.rect.width() / frames;
        for (int f = 1; f < frames; ++f) {
            const int x = r.left + f * fw * scale;
            for (int y = r.top; y < r.bottom; y += 4) sheet.fillRect(Rect{x, y, x + 1, std::min(y + 2, r.bottom)}.intersected(shown), c);
        }
        if (mk.MaskType > 0) {
            const int y = r.top + (g.rect.height() / (mk.MaskType + 1)) * scale;
            for (int x = r.left; x < r.right; x += 4) sheet.fillRect(Rect{x, y, std::min(x + 2, r.right), y + 1}.intersected(shown), c);
        }
        outline(sheet, r, c);
        const std::string label = std::to_string(i + 1);
        const int lw = small->textWidth(label) + 3;
        sheet.fillRect({r.left, r.top, r.left + lw, r.top + small->metrics().height}, c);
        small->drawText(sheet, {r.left + 2, r.top}, label, 0xFFFFFF, all);
    }
    const int legendTop = top + m.height() * scale + 16;
    const int columnWidth = (width - 2 * left) / columns;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const Group& g = groups[i];
        const skin::TsMaskData& mk = *g.first;
        std::string names;
        for (const auto& n : g.names) names += (names.empty() ? "" : ", ") + n;
        const Rect& o = mk.SourceRect;
        const std::string text = base::format("%d  (%d,%d)-(%d,%d)  %dx  %s", int(i + 1), o.left, o.top, o.right,
                                              o.bottom, int(mk.ImageCount), names);
        const int x = left + int(i % std::size_t(columns)) * columnWidth;
        const int y = legendTop + int(i / std::size_t(columns)) * lineHeight;
        sheet.fillRect({x, y + 3, x + 8, y + 11}, kindColor(mk.ImgType));
        font->drawText(sheet, {x + 12, y}, text, 0x202020, Rect{x, y, x + columnWidth - 6, y + lineHeight});
    }
    return sheet;
}

}  // namespace skintool
