#pragma once

#include "fw/controls/graphic_control.h"
#include "plat/handle.h"

namespace fw {

// A picture on its parent's surface; for now an icon, which the image owns and destroys.
class TImage : public TGraphicControl {
    FW_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    plat::HICON Icon() const { return icon_; }
    void SetIcon(plat::HICON icon);
    bool Center() const { return center_; }
    void SetCenter(bool on);

protected:
    void Paint() override;

private:
    plat::HICON icon_;
    bool center_ = false;
};

}  // namespace fw
