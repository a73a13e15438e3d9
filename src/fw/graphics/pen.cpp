#include "fw/graphics/pen.h"

#include "plat/gdi/objects.h"

namespace fw {

int PenModeToRop2(TPenMode mode)
{
    switch (mode) {
    case pmBlack: return plat::R2_BLACK;
    case pmWhite: return plat::R2_WHITE;
    case pmNop: return plat::R2_NOP;
    case pmNot: return plat::R2_NOT;
    case pmCopy: return plat::R2_COPYPEN;
    case pmNotCopy: return plat::R2_NOTCOPYPEN;
    case pmMergePenNot: return plat::R2_MERGEPENNOT;
    case pmMaskPenNot: return plat::R2_MASKPENNOT;
    case pmMergeNotPen: return plat::R2_MERGENOTPEN;
    case pmMaskNotPen: return plat::R2_MASKNOTPEN;
    case pmMerge: return plat::R2_MERGEPEN;
    case pmNotMerge: return plat::R2_NOTMERGEPEN;
    case pmMask: return plat::R2_MASKPEN;
    case pmNotMask: return plat::R2_NOTMASKPEN;
    case pmXor: return plat::R2_XORPEN;
    case pmNotXor: return plat::R2_NOTXORPEN;
    }
    return plat::R2_COPYPEN;
}

void TPen::lookChanged()
{
    handle_.reset();
    Changed();
}

void TPen::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    lookChanged();
}

void TPen::SetWidth(int width)
{
    if (width < 1) width = 1;
    if (width == width_) return;
    width_ = width;
    lookChanged();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_) return;
    style_ = style;
    lookChanged();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == mode_) return;
    mode_ = mode;
    Changed();  // the mode is the canvas's raster operation, not part of the handle
}

SharedGdiObject TPen::SharedHandle()
{
    if (!handle_) {
        int style = plat::PS_SOLID;
        switch (style_) {
        case psDash:
        case psDashDot:
        case psDashDotDot: style = plat::PS_DASH; break;
        case psDot: style = plat::PS_DOT; break;
        case psClear: style = plat::PS_NULL; break;
        case psSolid:
        case psInsideFrame: break;
        }
        if (color_ == clNone) style = plat::PS_NULL;
        handle_ = ShareGdiObject(plat::CreatePen(style, width_, ColorToRef(color_)));
    }
    return handle_;
}

plat::HPEN TPen::Handle()
{
    SharedGdiObject h = SharedHandle();
    return h ? plat::HPEN(*h) : plat::HPEN();
}

void TPen::Assign(const TPersistent& from)
{
    const auto* other = As<TPen>(&from);
    if (!other) return TPersistent::Assign(from);
    const TPen& source = *other;
    if (&source == this) return;
    if (color_ == source.color_ && width_ == source.width_ && style_ == source.style_ && mode_ == source.mode_) return;
    bool lookDiffers = color_ != source.color_ || width_ != source.width_ || style_ != source.style_;
    color_ = source.color_;
    width_ = source.width_;
    style_ = source.style_;
    mode_ = source.mode_;
    if (lookDiffers) handle_ = source.handle_;
    Changed();
}

}  // namespace fw
