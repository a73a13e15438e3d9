#pragma once

#include "fw/graphics/color.h"
#include "fw/graphics/graphics_object.h"

namespace fw {

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

// A fill. A clear brush fills nothing, and text drawn with it leaves the background as it is.
// Colour clNone makes the brush clear, and any other colour makes it solid again.
class TBrush : public TGraphicsObject {
    FW_CLASS(TBrush, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

    plat::HBRUSH Handle();
    SharedGdiObject SharedHandle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    // Takes another brush's values (with one change notice); other classes raise base::Error.
    void Assign(const TPersistent& source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    SharedGdiObject handle_;
};

}  // namespace fw
