#include "plat/gdi/text.h"

#include "gfx/text_layout.h"
#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/paint.h"
#include "plat/gdi/raster.h"

namespace plat {

using namespace gdi;

namespace {

const FontData* selectedFont(const DeviceContext& d)
{
    const FontData* f = objectAs<FontData>(d.state.font);
    return f ? f : objectAs<FontData>(stockObject(SYSTEM_FONT));
}

const gfx::Font* fontIn(const DeviceContext& d)
{
    const FontData* f = selectedFont(d);
    return f ? fontOf(*f) : nullptr;
}

// Glyphs blend only onto colour pixels.
bool takesText(const Drawable& d) { return d && d.target.bitmap->bitsPerPixel() >= 24; }

void fillLogical(const Drawable& d, const gfx::Rect& logical, const gfx::Region& clip, COLORREF c)
{
    fillRop2(*d.target.bitmap, clip, logical.offset(d.target.offset), c, R2_COPYPEN);
}

// Draws one line with its reference point at (x, y) as the text alignment says.
BOOL textLine(HDC h, int x, int y, UINT options, const RECT* r, std::string_view text)
{
    Drawable d = drawable(h);
    if (!d.dc) return 0;
    const gfx::Font* font = fontIn(*d.dc);
    if (!font) return 0;
    DcState& s = d.dc->state;
    const gfx::FontMetrics& m = font->metrics();
    int width = font->textWidth(text);
    bool updateCp = s.textAlign & TA_UPDATECP;
    if (updateCp) {
        x = s.position.x;
        y = s.position.y;
    }
    UINT horizontal = s.textAlign & TA_CENTER;  // TA_CENTER covers the TA_RIGHT bit too
    int left = x;
    if (horizontal == TA_CENTER)
        left = x - width / 2;
    else if (horizontal == TA_RIGHT)
        left = x - width;
    UINT vertical = s.textAlign & TA_BASELINE;
    int top = y;
    if (vertical == TA_BASELINE)
        top = y - m.ascent;
    else if (vertical == TA_BOTTOM)
        top = y - m.height;
    if (updateCp && horizontal == TA_LEFT) s.position.x = x + width;
    else if (updateCp && horizontal == TA_RIGHT) s.position.x = x - width;
    if (!d) return 1;

    gfx::Region clip = d.target.clip;
    if (r && (options & ETO_CLIPPED)) clip = clip.intersected(r->offset(d.target.offset));
    if (r && (options & ETO_OPAQUE)) fillLogical(d, *r, d.target.clip, s.bkColor);
    gfx::Rect cell = gfx::Rect::fromSize(left, top, width, m.height);
    if (s.bkMode == OPAQUE) fillLogical(d, cell, clip, s.bkColor);
    if (takesText(d) && !clip.empty())
        font->drawText(*d.target.bitmap, gfx::Point{left, top} + d.target.offset, text, s.textColor, clip.bounds(),
                       &clip);
    return 1;
}

}  // namespace

BOOL TextOut(HDC h, int x, int y, std::string_view utf8) { return textLine(h, x, y, 0, nullptr, utf8); }

BOOL ExtTextOut(HDC h, int x, int y, UINT options, const RECT* r, std::string_view utf8)
{
    return textLine(h, x, y, options, r, utf8);
}

int DrawText(HDC h, std::string_view utf8, RECT* r, UINT format)
{
    Drawable d = drawable(h);
    if (!d.dc || !r) return 0;
    const gfx::Font* font = fontIn(*d.dc);
    if (!font) return 0;
    DcState& s = d.dc->state;
    gfx::TextLayout layout = gfx::layoutText(*font, utf8, *r, format);
    if (format & DT_CALCRECT) {
        *r = layout.bounds;
        return layout.height;
    }
    if (!d) return layout.height;
    gfx::Region clip = d.target.clip;
    if (!(format & DT_NOCLIP)) clip = clip.intersected(r->offset(d.target.offset));
    if (s.bkMode == OPAQUE) {
        int lineHeight = font->metrics().height;
        for (const gfx::TextLine& line : layout.lines)
            fillLogical(d, gfx::Rect::fromSize(line.origin.x, line.origin.y, line.width, lineHeight), clip,
                        s.bkColor);
    }
    if (!takesText(d) || clip.empty()) return layout.height;
    gfx::Rect pixelRect = r->offset(d.target.offset);
    return gfx::drawText(*d.target.bitmap, *font, utf8, pixelRect, format, s.textColor, clip.bounds(), &clip);
}

BOOL GetTextExtentPoint32(HDC h, std::string_view utf8, SIZE* size)
{
    DeviceContext* d = dc(h);
    if (!d || !size) return 0;
    const gfx::Font* font = fontIn(*d);
    if (!font) return 0;
    *size = {font->textWidth(utf8), font->metrics().height};
    return 1;
}

BOOL GetTextMetrics(HDC h, TEXTMETRIC* tm)
{
    DeviceContext* d = dc(h);
    if (!d || !tm) return 0;
    const FontData* f = selectedFont(*d);
    const gfx::Font* font = f ? fontOf(*f) : nullptr;
    if (!font) return 0;
    const gfx::FontMetrics& m = font->metrics();
    *tm = TEXTMETRIC{};
    tm->tmHeight = m.height;
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.descent;
    tm->tmInternalLeading = m.internalLeading;
    tm->tmExternalLeading = m.externalLeading;
    tm->tmAveCharWidth = m.avgCharWidth;
    tm->tmMaxCharWidth = m.maxCharWidth;
    tm->tmOverhang = m.overhang;
    tm->tmWeight = font->desc().weight;
    tm->tmItalic = BYTE(font->desc().italic);
    tm->tmUnderlined = BYTE(font->desc().underline);
    tm->tmStruckOut = BYTE(font->desc().strikeOut);
    tm->tmCharSet = f->logFont.lfCharSet;
    tm->tmPitchAndFamily = f->logFont.lfPitchAndFamily;
    return 1;
}

int GetTextFace(HDC h, std::string* face)
{
    DeviceContext* d = dc(h);
    if (!d) return 0;
    const gfx::Font* font = fontIn(*d);
    if (!font) return 0;
    if (face) *face = font->desc().face;
    return int(font->desc().face.size());
}

}  // namespace plat
