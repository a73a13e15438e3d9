#include "fw/graphics/font.h"

#include <cmath>

#include "plat/gdi/objects.h"

namespace fw {

namespace {

// Rounded a * b / c, as the classic MulDiv.
int mulDiv(int a, int b, int c)
{
    return int(std::lround(double(a) * double(b) / double(c)));
}

}  // namespace

TFont::TFont() = default;

void TFont::lookChanged()
{
    handle_.reset();
    Changed();
}

void TFont::SetName(const std::string& name)
{
    if (name.empty() || name == name_) return;  // a font always has a face
    name_ = name;
    lookChanged();
}

void TFont::SetHeight(int height)
{
    if (height == height_) return;
    height_ = height;
    lookChanged();
}

int TFont::Size() const
{
    return -mulDiv(height_, 72, kPixelsPerInch);
}

void TFont::SetSize(int points)
{
    SetHeight(-mulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    Changed();  // the colour is the canvas's text colour, not part of the handle
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_) return;
    style_ = style;
    lookChanged();
}

void TFont::SetCharset(TFontCharset charset)
{
    if (charset == charset_) return;
    charset_ = charset;
    lookChanged();
}

void TFont::SetPitch(TFontPitch pitch)
{
    if (pitch == pitch_) return;
    pitch_ = pitch;
    lookChanged();
}

void TFont::SetOrientation(int tenthsOfDegrees)
{
    if (tenthsOfDegrees == orientation_) return;
    orientation_ = tenthsOfDegrees;
    lookChanged();
}

plat::LOGFONT TFont::LogFont() const
{
    plat::LOGFONT lf;
    lf.lfHeight = height_;
    lf.lfEscapement = orientation_;
    lf.lfOrientation = orientation_;
    lf.lfWeight = style_.Contains(fsBold) ? plat::FW_BOLD : plat::FW_NORMAL;
    lf.lfItalic = style_.Contains(fsItalic);
    lf.lfUnderline = style_.Contains(fsUnderline);
    lf.lfStrikeOut = style_.Contains(fsStrikeOut);
    lf.lfCharSet = charset_;
    lf.lfPitchAndFamily = plat::BYTE(pitch_);
    lf.lfFaceName = name_;
    return lf;
}

SharedGdiObject TFont::SharedHandle()
{
    if (!handle_) {
        plat::LOGFONT lf = LogFont();
        handle_ = ShareGdiObject(plat::CreateFontIndirect(&lf));
    }
    return handle_;
}

plat::HFONT TFont::Handle()
{
    SharedGdiObject h = SharedHandle();
    return h ? plat::HFONT(*h) : plat::HFONT();
}

void TFont::SetHandle(plat::HFONT font)
{
    plat::LOGFONT lf;
    if (plat::GetObject(font, sizeof lf, &lf) == 0) return;
    TFont look;
    look.color_ = color_;
    look.name_ = lf.lfFaceName.empty() ? name_ : lf.lfFaceName;
    look.height_ = lf.lfHeight;
    if (lf.lfWeight >= plat::FW_BOLD) look.style_.Include(fsBold);
    if (lf.lfItalic) look.style_.Include(fsItalic);
    if (lf.lfUnderline) look.style_.Include(fsUnderline);
    if (lf.lfStrikeOut) look.style_.Include(fsStrikeOut);
    look.charset_ = lf.lfCharSet;
    look.orientation_ = lf.lfEscapement;
    look.pitch_ = lf.lfPitchAndFamily <= plat::BYTE(fpFixed) ? TFontPitch(lf.lfPitchAndFamily) : fpDefault;
    Assign(look);
}

bool TFont::SameAs(const TFont& o) const
{
    return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
           charset_ == o.charset_ && pitch_ == o.pitch_ && orientation_ == o.orientation_;
}

void TFont::Assign(const TPersistent& from)
{
    const auto* other = As<TFont>(&from);
    if (!other) return TPersistent::Assign(from);
    const TFont& source = *other;
    if (&source == this || SameAs(source)) return;
    bool lookDiffers = name_ != source.name_ || height_ != source.height_ || style_ != source.style_ ||
                       charset_ != source.charset_ || pitch_ != source.pitch_ || orientation_ != source.orientation_;
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    charset_ = source.charset_;
    pitch_ = source.pitch_;
    orientation_ = source.orientation_;
    if (lookDiffers) handle_ = source.handle_;  // the same look may share one handle
    Changed();
}

}  // namespace fw
