#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

#include "gfx/font.h"
#include "gfx/font_glyph_cache.h"
#include "gfx/font_match.h"

struct FT_FaceRec_;

namespace gfx {

// A Font drawn by FreeType from one face file at one pixel size. Without a usable file it
// still has metrics (from the em size) but draws nothing.
class FreeTypeFont final : public Font {
public:
    // The largest character height we render: beyond it a request is damaged input.
    static constexpr int kMaxPixelHeight = 1000;

    FreeTypeFont(const FontDesc& desc, const FontFile& file);
    ~FreeTypeFont() override;
    FreeTypeFont(const FreeTypeFont&) = delete;
    FreeTypeFont& operator=(const FreeTypeFont&) = delete;

    const FontDesc& desc() const override { return desc_; }
    const FontMetrics& metrics() const override { return metrics_; }
    std::string familyName() const override { return family_; }
    int textWidth(std::string_view utf8) const override;
    int textWidth(std::u32string_view text) const override;
    std::size_t fitText(std::u32string_view text, int maxWidth, int* fitWidth = nullptr) const override;
    int drawText(Bitmap& target, Point origin, std::string_view utf8, Color color, const Rect& clip,
                 const Region* clipRegion = nullptr) const override;

    // Drops the rendered glyphs (for measuring the cost of a cold cache).
    void clearGlyphCache() const;

private:
    FontDesc desc_;
    FontMetrics metrics_;
    std::string family_;
    FT_FaceRec_* face_ = nullptr;
    bool emboldenGlyphs_ = false;
    long emboldenStrength_ = 0;  // 26.6 pixels
    mutable std::mutex mutex_;
    mutable GlyphCache cache_;
    // Advances of the common alphabets (Latin, Greek, Cyrillic) by code point, -1 until known:
    // measuring long texts looks them up without hashing.
    static constexpr char32_t kDirectAdvances = 0x800;
    mutable std::array<std::int16_t, kDirectAdvances> directAdvance_;

    void computeMetrics(double emPixels);
    const Glyph& glyph(char32_t cp) const;  // mutex_ held
    int advance(char32_t cp) const;         // mutex_ held
};

}  // namespace gfx
