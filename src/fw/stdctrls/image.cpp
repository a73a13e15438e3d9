#include "fw/stdctrls/image.h"

#include "plat/gdi/icons.h"

namespace fw {

using namespace plat;

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    TControlStyle style = ControlStyle();
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    if (icon_) DestroyIcon(icon_);
}

void TImage::SetIcon(HICON icon)
{
    if (icon_ == icon) return;
    if (icon_) DestroyIcon(icon_);
    icon_ = icon;
    Invalidate();
}

void TImage::SetCenter(bool on)
{
    if (center_ == on) return;
    center_ = on;
    Invalidate();
}

void TImage::Paint()
{
    if (!icon_) return;
    int x = 0;
    int y = 0;
    int size = IconSize(icon_).width;
    if (center_) {
        x = (Width() - size) / 2;
        y = (Height() - IconSize(icon_).height) / 2;
    }
    DrawIcon(Canvas()->Handle(), x, y, icon_);
}

}  // namespace fw
