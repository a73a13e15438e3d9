#pragma once

#include <cstdint>
#include <vector>

#include "fw/graphics/bitmap.h"
#include "fw/graphics/graphic.h"

namespace fw {

// A JPEG picture: the file's bytes, kept for saving, and their decoded 24-bit pixels for drawing.
class TJPEGImage : public TGraphic {
    FW_CLASS(TJPEGImage, TGraphic)
public:
    int Width() const override { return pixels_.Width(); }
    int Height() const override { return pixels_.Height(); }

    // Takes the rest of the stream as one JPEG file; damaged data raises base::Error and leaves
    // the picture as it was.
    void LoadFromStream(base::MemoryStream& stream) override;
    void SaveToStream(base::MemoryStream& stream) const;

    // The decoded pixels (24 bits, top-down).
    const TBitmap& Pixels() const { return pixels_; }

    void Assign(const TPersistent& source) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    std::vector<std::uint8_t> bytes_;
    TBitmap pixels_;
};

}  // namespace fw
