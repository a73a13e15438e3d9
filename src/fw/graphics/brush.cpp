#include "fw/graphics/brush.h"

#include "plat/gdi/objects.h"

namespace fw {

void TBrush::SetColor(TColor color)
{
    TBrushStyle style = color == clNone ? bsClear : bsSolid;
    if (color == color_ && style == style_) return;
    color_ = color;
    style_ = style;
    handle_.reset();
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_) return;
    style_ = style;
    // A solid brush needs a colour; one that had none takes the default white.
    if (style_ == bsSolid && color_ == clNone) color_ = clWhite;
    handle_.reset();
    Changed();
}

SharedGdiObject TBrush::SharedHandle()
{
    if (!handle_) {
        plat::LOGBRUSH lb;
        lb.lbStyle = style_ == bsClear ? plat::BS_NULL : plat::BS_SOLID;
        lb.lbColor = ColorToRef(color_);
        handle_ = ShareGdiObject(plat::CreateBrushIndirect(&lb));
    }
    return handle_;
}

plat::HBRUSH TBrush::Handle()
{
    SharedGdiObject h = SharedHandle();
    return h ? plat::HBRUSH(*h) : plat::HBRUSH();
}

void TBrush::Assign(const TPersistent& from)
{
    const auto* other = As<TBrush>(&from);
    if (!other) return TPersistent::Assign(from);
    const TBrush& source = *other;
    if (&source == this || (color_ == source.color_ && style_ == source.style_)) return;
    color_ = source.color_;
    style_ = source.style_;
    handle_ = source.handle_;
    Changed();
}

}  // namespace fw
