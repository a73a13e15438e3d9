#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/geometry.h"

namespace gfx {

class Region;

// What a font asks for, in the conventions of the classic drawing interface.
struct FontDesc {
    std::string face = "MS Sans Serif";
    // Negative: the character height in pixels (cell height less internal leading);
    // positive: the cell height; zero: a default of -11.
    int height = -11;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0;  // ascent + descent: the height of one line
    int internalLeading = 0;
    int externalLeading = 0;
    int avgCharWidth = 0;
    int maxCharWidth = 0;
    int overhang = 0;
    // Where the font's lines go, as the row of their top edge within the cell and their thickness.
    int underlineTop = 0;
    int underlineThickness = 1;
    int strikeOutTop = 0;
    int strikeOutThickness = 1;
};

// A face at one size with its glyph cache. Fonts are shared: open() returns the same object
// for the same description. Rendering settings are fixed (grey-scale anti-aliasing, light
// hinting), so that the same text gives the same pixels on every machine with the same fonts.
class Font {
public:
    virtual ~Font() = default;

    // Never fails: an unknown face falls back to the default sans face.
    static std::shared_ptr<Font> open(const FontDesc& desc);

    virtual const FontDesc& desc() const = 0;
    virtual const FontMetrics& metrics() const = 0;
    // The name of the installed family actually used.
    virtual std::string familyName() const = 0;

    // Advance width of a UTF-8 text in pixels (no line breaks considered).
    virtual int textWidth(std::string_view utf8) const = 0;
    Size textSize(std::string_view utf8) const { return {textWidth(utf8), metrics().height}; }
    // The same over code points, for callers that keep text decoded (no re-encoding per run).
    virtual int textWidth(std::u32string_view text) const = 0;
    // How many leading code points of text fit within maxWidth pixels; their width goes to
    // *fitWidth when given. Widths add up character by character, so a caller may measure a
    // long text piecewise.
    virtual std::size_t fitText(std::u32string_view text, int maxWidth, int* fitWidth = nullptr) const = 0;

    // Draws one line of UTF-8 text with its cell's top-left corner at `origin`, blending the
    // glyphs in colour `color` onto a 24- or 32-bit bitmap. Only pixels inside `clip` (and inside
    // `clipRegion` when given) change. Underline and strike-out are drawn as the font asks.
    // Returns the advance width.
    virtual int drawText(Bitmap& target, Point origin, std::string_view utf8, Color color,
                         const Rect& clip, const Region* clipRegion = nullptr) const = 0;
};

}  // namespace gfx
