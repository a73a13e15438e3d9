#include "gfx/font_freetype.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "gfx/font_blend.h"
#include "base/utf8.h"

namespace gfx {

namespace {

// FreeType wants faces created and destroyed one at a time per library.
std::mutex& libraryMutex()
{
    static std::mutex m;
    return m;
}

FT_Library library()  // libraryMutex() held
{
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) return FT_Library{};
        return l;
    }();
    return lib;
}

FT_Face openFace(const FontFile& file)
{
    if (file.path.empty()) return nullptr;
    std::lock_guard lock(libraryMutex());
    FT_Library lib = library();
    if (!lib) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(lib, file.path.c_str(), file.index, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0 ||
        FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    return face;
}

int roundToInt(double v) { return static_cast<int>(std::lround(v)); }

// Ascent and descent of the face in font units: the win metrics where the face has them, as
// the classic system sizes cells by them; else the horizontal header.
void verticalExtent(FT_Face face, double& ascent, double& descent)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && int(os2->usWinAscent) + int(os2->usWinDescent) > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
        return;
    }
    ascent = face->ascender;
    descent = -face->descender;
    if (ascent + descent <= 0) {
        ascent = face->units_per_EM * 0.8;
        descent = face->units_per_EM * 0.2;
    }
}

}  // namespace

FreeTypeFont::FreeTypeFont(const FontDesc& desc, const FontFile& file)
    : desc_(desc), family_(file.family.empty() ? std::string("(none)") : file.family), face_(openFace(file))
{
    directAdvance_.fill(-1);
    int h = desc.height == 0 ? -11 : desc.height;
    h = std::clamp(h, -kMaxPixelHeight, kMaxPixelHeight);
    double ascentUnits = 0.8, descentUnits = 0.2, upem = 1.0;
    if (face_) {
        verticalExtent(face_, ascentUnits, descentUnits);
        upem = face_->units_per_EM;
    }
    const double total = ascentUnits + descentUnits;
    double em = 0;
    if (h < 0) {
        em = -h;
        metrics_.ascent = roundToInt(ascentUnits * em / upem);
        metrics_.descent = roundToInt(descentUnits * em / upem);
    } else {
        em = h * upem / total;
        metrics_.ascent = roundToInt(h * ascentUnits / total);
        metrics_.descent = h - metrics_.ascent;
    }
    metrics_.height = metrics_.ascent + metrics_.descent;
    metrics_.internalLeading = std::max(0, metrics_.height - roundToInt(em));
    if (face_) {
        FT_Set_Char_Size(face_, 0, FT_F26Dot6(std::lround(em * 64)), 72, 72);
        const bool wantBold = desc.weight >= 600;
        if (wantBold && !file.bold) {
            emboldenGlyphs_ = true;
            emboldenStrength_ = std::max<long>(32, std::lround(em * 64 / 24));
        }
        if (desc.italic && !file.italic) {
            FT_Matrix shear{0x10000, 0x3800, 0, 0x10000};  // about 12 degrees
            FT_Set_Transform(face_, &shear, nullptr);
        }
    }
    computeMetrics(em);
}

FreeTypeFont::~FreeTypeFont()
{
    if (!face_) return;
    std::lock_guard lock(libraryMutex());
    FT_Done_Face(face_);
}

void FreeTypeFont::computeMetrics(double em)
{
    FontMetrics& m = metrics_;
    const double scale = face_ ? em / face_->units_per_EM : 0.0;
    const auto* os2 = face_ ? static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2)) : nullptr;
    if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        m.avgCharWidth = std::max(1, roundToInt(os2->xAvgCharWidth * scale));
    else
        m.avgCharWidth = face_ ? std::max(1, textWidth("x")) : std::max(1, roundToInt(em / 2));
    m.maxCharWidth = face_ ? std::max(m.avgCharWidth, int(std::ceil(face_->max_advance_width * scale)))
                           : m.avgCharWidth;
    m.overhang = 0;

    const int lineMax = std::max(1, roundToInt(em / 8));
    if (face_ && face_->underline_thickness > 0)
        m.underlineThickness = std::clamp(roundToInt(face_->underline_thickness * scale), 1, lineMax);
    else
        m.underlineThickness = 1;
    // The face gives the underline's centre below the baseline; the bar lies under the baseline.
    const int below = face_ ? std::max(1, roundToInt(-face_->underline_position * scale)) : 1;
    m.underlineTop = std::clamp(m.ascent + below - m.underlineThickness / 2, m.ascent,
                                std::max(m.ascent, m.height - m.underlineThickness));

    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        m.strikeOutThickness = std::clamp(roundToInt(os2->yStrikeoutSize * scale), 1, lineMax);
        m.strikeOutTop = m.ascent - roundToInt(os2->yStrikeoutPosition * scale);
    } else {
        m.strikeOutThickness = m.underlineThickness;
        m.strikeOutTop = m.ascent - roundToInt(em * 0.28);
    }
    m.strikeOutTop = std::clamp(m.strikeOutTop, 0, std::max(0, m.height - m.strikeOutThickness));
}

const Glyph& FreeTypeFont::glyph(char32_t cp) const
{
    if (const Glyph* g = cache_.find(cp)) return *g;
    Glyph g;
    const FT_UInt index = FT_Get_Char_Index(face_, cp);
    // Control characters the face lacks (a CR in a single line, an unexpanded tab) take no room,
    // rather than showing as missing-glyph boxes.
    if (index == 0 && (cp < 0x20 || cp == 0x7F)) return cache_.insert(cp, std::move(g));
    // Fixed settings: light hinting, grey-scale, no embedded bitmaps, no user preferences.
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) == 0) {
        FT_GlyphSlot slot = face_->glyph;
        long advance = slot->advance.x;
        if (emboldenGlyphs_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            FT_Outline_EmboldenXY(&slot->outline, emboldenStrength_, 0);
            advance += emboldenStrength_;
        }
        g.advance = int((advance + 32) >> 6);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0 &&
            slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            const FT_Bitmap& bm = slot->bitmap;
            g.left = slot->bitmap_left;
            g.top = slot->bitmap_top;
            g.width = int(bm.width);
            g.height = int(bm.rows);
            g.coverage.resize(std::size_t(g.width) * std::size_t(g.height));
            for (int y = 0; y < g.height; ++y) {
                const unsigned char* src = bm.pitch >= 0 ? bm.buffer + std::ptrdiff_t(y) * bm.pitch
                                                         : bm.buffer + std::ptrdiff_t(g.height - 1 - y) * -bm.pitch;
                if (g.width > 0) std::memcpy(g.coverage.data() + std::size_t(y) * g.width, src, std::size_t(g.width));
            }
        }
    }
    return cache_.insert(cp, std::move(g));
}

int FreeTypeFont::textWidth(std::string_view utf8) const
{
    if (!face_) return 0;
    std::lock_guard lock(mutex_);
    int width = 0;
    for (char32_t c : base::Utf8View(utf8)) width += advance(c);
    return width;
}

int FreeTypeFont::advance(char32_t cp) const
{
    if (cp >= kDirectAdvances) return glyph(cp).advance;
    std::int16_t& known = directAdvance_[cp];
    if (known < 0) known = std::int16_t(std::clamp(glyph(cp).advance, 0, 0x7FFF));
    return known;
}

int FreeTypeFont::textWidth(std::u32string_view text) const
{
    if (!face_) return 0;
    std::lock_guard lock(mutex_);
    int width = 0;
    for (char32_t c : text) width += advance(c);
    return width;
}

std::size_t FreeTypeFont::fitText(std::u32string_view text, int maxWidth, int* fitWidth) const
{
    int width = 0;
    std::size_t n = 0;
    if (face_) {
        std::lock_guard lock(mutex_);
        for (; n < text.size(); ++n) {
            int next = width + advance(text[n]);
            if (next > maxWidth) break;
            width = next;
        }
    } else if (maxWidth >= 0) {
        n = text.size();
    }
    if (fitWidth) *fitWidth = width;
    return n;
}

int FreeTypeFont::drawText(Bitmap& target, Point origin, std::string_view utf8, Color color,
                           const Rect& clip, const Region* clipRegion) const
{
    int pen = origin.x;
    if (face_) {
        std::lock_guard lock(mutex_);
        const int baseline = addSaturated(origin.y, metrics_.ascent);
        for (char32_t c : base::Utf8View(utf8)) {
            const Glyph& g = glyph(c);
            if (!g.coverage.empty())
                blendCoverage(target, {addSaturated(pen, g.left), subtractSaturated(baseline, g.top)},
                              {g.coverage.data(), g.width, g.height, g.width}, color, clip, clipRegion);
            pen = addSaturated(pen, g.advance);
        }
    }
    const int width = subtractSaturated(pen, origin.x);
    if (width > 0 && desc_.underline)
        fillClipped(target,
                    Rect::fromSize(origin.x, addSaturated(origin.y, metrics_.underlineTop), width,
                                   metrics_.underlineThickness),
                    color, clip, clipRegion);
    if (width > 0 && desc_.strikeOut)
        fillClipped(target,
                    Rect::fromSize(origin.x, addSaturated(origin.y, metrics_.strikeOutTop), width,
                                   metrics_.strikeOutThickness),
                    color, clip, clipRegion);
    return width;
}

void FreeTypeFont::clearGlyphCache() const
{
    std::lock_guard lock(mutex_);
    cache_.clear();
}

}  // namespace gfx
