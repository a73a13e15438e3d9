#pragma once

#include "fw/graphics/graphic.h"
#include "plat/handle.h"

namespace fw {

// An icon: colours and a mask behind an icon handle, which the icon owns.
class TIcon : public TGraphic {
    FW_CLASS(TIcon, TGraphic)
public:
    ~TIcon() override;

    int Width() const override;
    int Height() const override;

    plat::HICON Handle() const { return handle_; }
    bool HandleAllocated() const { return static_cast<bool>(handle_); }
    // Takes over an icon handle (the old one is destroyed).
    void SetHandle(plat::HICON icon);
    plat::HICON ReleaseHandle();

    // The rest of the stream as an icon file; the picture nearest to 32 pixels is taken.
    void LoadFromStream(base::MemoryStream& stream) override;

    void Assign(const TPersistent& source) override;
    // Stretched to rect, the mask leaving the canvas as it was.
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    plat::HICON handle_;
};

}  // namespace fw
