#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace gfx {

// One rendered glyph: its grey-scale coverage, where that sits relative to the pen on the
// baseline, and the pen advance in whole pixels.
struct Glyph {
    int advance = 0;
    int left = 0;  // from the pen to the coverage's left column
    int top = 0;   // from the baseline up to the coverage's top row
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height bytes, top row first
};

// Glyphs of one font by code point. Bounded: text with very many distinct characters starts the
// cache afresh instead of growing without end.
class GlyphCache {
public:
    static constexpr std::size_t kMaxGlyphs = 8192;

    const Glyph* find(char32_t cp) const
    {
        const auto it = glyphs_.find(cp);
        return it == glyphs_.end() ? nullptr : &it->second;
    }
    const Glyph& insert(char32_t cp, Glyph glyph)
    {
        if (glyphs_.size() >= kMaxGlyphs) glyphs_.clear();
        return glyphs_.insert_or_assign(cp, std::move(glyph)).first->second;
    }
    void clear() { glyphs_.clear(); }
    std::size_t size() const { return glyphs_.size(); }

private:
    std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace gfx
