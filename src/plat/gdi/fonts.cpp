#include "plat/gdi/gdi_object.h"
#include "plat/gdi/objects.h"

namespace plat {

using namespace gdi;

HFONT CreateFontIndirect(const LOGFONT* lf)
{
    if (!lf) return {};
    FontData f;
    f.logFont = *lf;
    return HFONT(addObject({std::move(f)}));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const char* face)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = BYTE(italic != 0);
    lf.lfUnderline = BYTE(underline != 0);
    lf.lfStrikeOut = BYTE(strikeOut != 0);
    lf.lfCharSet = BYTE(charSet);
    lf.lfOutPrecision = BYTE(outPrecision);
    lf.lfClipPrecision = BYTE(clipPrecision);
    lf.lfQuality = BYTE(quality);
    lf.lfPitchAndFamily = BYTE(pitchAndFamily);
    if (face) lf.lfFaceName = face;
    return CreateFontIndirect(&lf);
}

std::shared_ptr<gfx::Font> FontOf(HFONT font)
{
    const FontData* f = objectAs<FontData>(font);
    if (!f) return nullptr;
    fontOf(*f);
    return f->font;
}

}  // namespace plat
