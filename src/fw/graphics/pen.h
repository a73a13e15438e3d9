#pragma once

#include "fw/graphics/color.h"
#include "fw/graphics/graphics_object.h"

namespace fw {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;
// How the pen's colour meets the pixels below (the drawing interface's binary raster operations).
enum class TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
using enum TPenMode;

// The drawing interface's raster operation for a pen mode.
int PenModeToRop2(TPenMode mode);

class TPen : public TGraphicsObject {
    FW_CLASS(TPen, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);  // below 1 counts as 1
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

    // A pen of colour clNone draws nothing, whatever its style.
    plat::HPEN Handle();
    SharedGdiObject SharedHandle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    // Takes another pen's values (with one change notice); other classes raise base::Error.
    void Assign(const TPersistent& source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    SharedGdiObject handle_;

    void lookChanged();
};

}  // namespace fw
