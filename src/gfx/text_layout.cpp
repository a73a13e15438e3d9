#include "gfx/text_layout.h"

#include <algorithm>

#include "gfx/font_blend.h"
#include "base/utf8.h"

namespace gfx {

namespace {

constexpr std::size_t kNone = std::string::npos;
constexpr std::string_view kEllipsis = "...";

std::size_t nextChar(std::string_view s, std::size_t pos)
{
    return pos + base::decodeUtf8(s, pos).length;
}

// The text with "&" prefixes applied and the byte offset of the character to underline.
struct PrefixedText {
    std::string text;
    std::size_t underline = kNone;
};

PrefixedText applyPrefixes(std::string_view in, unsigned flags)
{
    PrefixedText out;
    if (flags & dt::kNoPrefix) {
        out.text = in;
        return out;
    }
    out.text.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '&') {
            out.text += in[i];
            continue;
        }
        if (i + 1 >= in.size()) break;  // a trailing "&" prefixes nothing
        if (in[i + 1] == '&') {
            out.text += '&';
            ++i;
            continue;
        }
        // The last prefix wins, as in the classic call.
        if (!(flags & dt::kHidePrefix) && in[i + 1] != '\r' && in[i + 1] != '\n') out.underline = out.text.size();
    }
    return out;
}

// Measures with tab expansion, relative to the start of a line.
class LineMeasure {
public:
    LineMeasure(const Font& font, unsigned flags)
        : font_(font), expandTabs_((flags & dt::kExpandTabs) != 0),
          tabWidth_(std::max(1, 8 * font.metrics().avgCharWidth))
    {
    }

    // The pen after the character [pos, next) drawn at pen `x`.
    int advance(std::string_view s, std::size_t pos, std::size_t next, int x) const
    {
        if (expandTabs_ && s[pos] == '\t') return (x / tabWidth_ + 1) * tabWidth_;
        return x + font_.textWidth(s.substr(pos, next - pos));
    }

    int width(std::string_view s) const
    {
        if (!expandTabs_) return font_.textWidth(s);
        int x = 0;
        std::size_t start = 0;
        for (std::size_t tab = s.find('\t'); tab != kNone; tab = s.find('\t', start)) {
            x += font_.textWidth(s.substr(start, tab - start));
            x = (x / tabWidth_ + 1) * tabWidth_;
            start = tab + 1;
        }
        return x + font_.textWidth(s.substr(start));
    }

    bool expandsTabs() const { return expandTabs_; }
    int tabWidth() const { return tabWidth_; }

private:
    const Font& font_;
    bool expandTabs_;
    int tabWidth_;
};

struct Span {
    std::size_t begin;
    std::size_t end;
};

// Lines ended by CR, LF or CR LF; a break at the very end starts no further line.
std::vector<Span> splitLines(std::string_view s)
{
    std::vector<Span> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\r' && s[i] != '\n') continue;
        lines.push_back({start, i});
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < s.size()) lines.push_back({start, s.size()});
    return lines;
}

// Greedy word wrap of one line: breaks at spaces (the spaces at a break are dropped); a word
// wider than the line is broken between characters. Every line holds at least one character,
// so even a zero width ends.
void wrapLine(std::string_view s, Span line, int maxWidth, const LineMeasure& measure, std::vector<Span>& out)
{
    if (line.begin == line.end) {
        out.push_back(line);
        return;
    }
    std::size_t pos = line.begin;
    while (pos < line.end) {
        int x = 0;
        std::size_t i = pos;
        std::size_t breakEnd = kNone, breakResume = kNone;
        std::size_t end = line.end, resume = line.end;
        while (i < line.end) {
            const std::size_t next = nextChar(s.substr(0, line.end), i);
            const int nx = measure.advance(s, i, next, x);
            if (nx > maxWidth && i > pos) {
                if (s[i] == ' ') {
                    end = i;
                    resume = i;
                } else if (breakEnd != kNone) {
                    end = breakEnd;
                    resume = breakResume;
                } else {
                    end = i;
                    resume = i;
                }
                break;
            }
            if (s[i] == ' ') {
                if (i == pos || s[i - 1] != ' ') breakEnd = i;
                breakResume = next;
            }
            x = nx;
            i = next;
        }
        if (i >= line.end) {
            out.push_back({pos, line.end});
            return;
        }
        while (end > pos && s[end - 1] == ' ') --end;
        while (resume < line.end && s[resume] == ' ') ++resume;
        out.push_back({pos, end});
        pos = resume;
    }
}

// Cuts characters off the end until the text and "..." fit. The pen before each character is
// found in one pass (widths add up glyph by glyph), so long texts stay linear.
std::string withEndEllipsis(std::string_view s, int maxWidth, const LineMeasure& measure)
{
    const int ellipsisWidth = measure.width(kEllipsis);
    std::size_t best = 0;
    int x = 0;
    for (std::size_t pos = 0; pos < s.size();) {
        if (x + ellipsisWidth > maxWidth) break;
        best = pos;
        const std::size_t next = nextChar(s, pos);
        x = measure.advance(s, pos, next, x);
        pos = next;
    }
    // `best` is the longest cut whose pen still leaves room for the ellipsis; a cut never keeps
    // the whole text, since the text alone did not fit.
    std::string out(s.substr(0, best));
    out += kEllipsis;
    return out;
}

}  // namespace

TextLayout layoutText(const Font& font, std::string_view text, const Rect& rect, unsigned flags)
{
    TextLayout layout;
    const PrefixedText prefixed = applyPrefixes(text, flags);
    const std::string& s = prefixed.text;
    const LineMeasure measure(font, flags);
    const bool singleLine = (flags & dt::kSingleLine) != 0;
    const int maxWidth = rect.width();

    std::vector<Span> spans;
    if (singleLine) {
        if (!s.empty()) spans.push_back({0, s.size()});
    } else if (flags & dt::kWordBreak) {
        for (const Span& line : splitLines(s)) wrapLine(s, line, maxWidth, measure, spans);
    } else {
        spans = splitLines(s);
    }

    const FontMetrics& m = font.metrics();
    const int lineHeight = m.height + ((flags & dt::kExternalLeading) ? m.externalLeading : 0);
    int y = rect.top;
    if (singleLine && (flags & dt::kVCenter))
        y = addSaturated(rect.top, subtractSaturated(rect.height(), lineHeight) / 2);
    else if (singleLine && (flags & dt::kBottom))
        y = subtractSaturated(rect.bottom, lineHeight);

    int widest = 0;
    for (const Span& span : spans) {
        TextLine line;
        line.text = s.substr(span.begin, span.end - span.begin);
        if (prefixed.underline != kNone && prefixed.underline >= span.begin && prefixed.underline < span.end) {
            line.underlineBegin = prefixed.underline - span.begin;
            line.underlineEnd = nextChar(line.text, line.underlineBegin);
        }
        line.width = measure.width(line.text);
        if ((flags & dt::kEndEllipsis) && line.width > maxWidth) {
            const std::size_t kept = line.text.size();
            line.text = withEndEllipsis(line.text, maxWidth, measure);
            const std::size_t body = line.text.size() - kEllipsis.size();
            if (line.underlineEnd > body || body > kept) line.underlineBegin = line.underlineEnd = 0;
            line.width = measure.width(line.text);
        }
        int x = rect.left;
        if (flags & dt::kCenter)
            x = addSaturated(rect.left, subtractSaturated(rect.width(), line.width) / 2);
        else if (flags & dt::kRight)
            x = subtractSaturated(rect.right, line.width);
        line.origin = {x, y};
        y = addSaturated(y, lineHeight);
        widest = std::max(widest, line.width);
        layout.bounds = layout.bounds.united(Rect::fromSize(x, line.origin.y, std::max(line.width, 0), lineHeight));
        layout.lines.push_back(std::move(line));
    }

    const int total = int(layout.lines.size()) * lineHeight;
    if (flags & dt::kCalcRect) {
        layout.bounds = Rect::fromSize(rect.left, rect.top, widest, total);
        layout.height = total;
    } else {
        if (layout.lines.empty()) layout.bounds = Rect::fromSize(rect.left, rect.top, 0, 0);
        layout.height = layout.lines.empty() ? 0 : subtractSaturated(y, rect.top);
    }
    return layout;
}

int drawText(Bitmap& target, const Font& font, std::string_view text, Rect& rect, unsigned flags,
             Color color, const Rect& clip, const Region* clipRegion)
{
    const TextLayout layout = layoutText(font, text, rect, flags);
    if (flags & dt::kCalcRect) {
        rect = layout.bounds;
        return layout.height;
    }
    const Rect area = (flags & dt::kNoClip) ? clip : clip.intersected(rect);
    if (area.empty()) return layout.height;
    const LineMeasure measure(font, flags);
    const FontMetrics& m = font.metrics();
    for (const TextLine& line : layout.lines) {
        const std::string_view s = line.text;
        if (measure.expandsTabs() && s.find('\t') != kNone) {
            int x = 0;
            std::size_t start = 0;
            for (std::size_t tab = s.find('\t'); tab != kNone; tab = s.find('\t', start)) {
                x += font.drawText(target, {addSaturated(line.origin.x, x), line.origin.y}, s.substr(start, tab - start),
                                   color, area, clipRegion);
                x = (x / measure.tabWidth() + 1) * measure.tabWidth();
                start = tab + 1;
            }
            font.drawText(target, {addSaturated(line.origin.x, x), line.origin.y}, s.substr(start), color, area,
                          clipRegion);
        } else {
            font.drawText(target, line.origin, s, color, area, clipRegion);
        }
        if (line.underlineEnd > line.underlineBegin) {
            const int x0 = measure.width(s.substr(0, line.underlineBegin));
            const int x1 = measure.width(s.substr(0, line.underlineEnd));
            fillClipped(target,
                        Rect::fromSize(addSaturated(line.origin.x, x0), addSaturated(line.origin.y, m.underlineTop), x1 - x0,
                                       m.underlineThickness),
                        color, area, clipRegion);
        }
    }
    return layout.height;
}

}  // namespace gfx
