#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/geometry.h"

namespace gfx {

class Region;

// Flags of the drawing layer's text call, with the classic values.
namespace dt {
constexpr unsigned kTop = 0x0000;
constexpr unsigned kLeft = 0x0000;
constexpr unsigned kCenter = 0x0001;
constexpr unsigned kRight = 0x0002;
constexpr unsigned kVCenter = 0x0004;
constexpr unsigned kBottom = 0x0008;
constexpr unsigned kWordBreak = 0x0010;
constexpr unsigned kSingleLine = 0x0020;
constexpr unsigned kExpandTabs = 0x0040;
constexpr unsigned kTabStop = 0x0080;
constexpr unsigned kNoClip = 0x0100;
constexpr unsigned kExternalLeading = 0x0200;
constexpr unsigned kCalcRect = 0x0400;
constexpr unsigned kNoPrefix = 0x0800;
constexpr unsigned kInternal = 0x1000;
constexpr unsigned kEditControl = 0x2000;
constexpr unsigned kPathEllipsis = 0x4000;
constexpr unsigned kEndEllipsis = 0x8000;
constexpr unsigned kModifyString = 0x10000;
constexpr unsigned kRtlReading = 0x20000;
constexpr unsigned kWordEllipsis = 0x40000;
constexpr unsigned kNoFullWidthCharBreak = 0x80000;
constexpr unsigned kHidePrefix = 0x100000;
constexpr unsigned kPrefixOnly = 0x200000;
}  // namespace dt

// One laid-out line: its text (prefix characters removed, ellipsis applied), where its cell's
// top-left corner goes, its width, and the byte range in `text` to underline (the "&" prefix);
// underlineBegin == underlineEnd when nothing is underlined.
struct TextLine {
    std::string text;
    Point origin;
    int width = 0;
    std::size_t underlineBegin = 0;
    std::size_t underlineEnd = 0;
};

struct TextLayout {
    std::vector<TextLine> lines;
    // The rectangle the text occupies (what kCalcRect reports): the bounding box of the lines.
    Rect bounds;
    // The height the classic text call returns: the height of the text drawn.
    int height = 0;
};

// Lays out `text` in `rect` by the dt flags, as the classic text-drawing call does.
TextLayout layoutText(const Font& font, std::string_view text, const Rect& rect, unsigned flags);

// Lays out and draws; unless kNoClip, output is clipped to `rect` (and always to `clip`,
// and to `clipRegion` when given). With kCalcRect nothing is drawn and `rect` is set to the
// rectangle the text needs. Returns the text height.
int drawText(Bitmap& target, const Font& font, std::string_view text, Rect& rect, unsigned flags,
             Color color, const Rect& clip, const Region* clipRegion = nullptr);

}  // namespace gfx
