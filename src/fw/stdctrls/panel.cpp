#include "fw/stdctrls/panel.h"

#include <algorithm>

#include "fw/stdctrls/frame3d.h"
#include "plat/gdi/gdi_constants.h"
#include "plat/window_styles.h"

namespace fw {

using namespace plat;

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks});
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    SetParentColor(true);
}

void TCustomPanel::SetAlignment(TAlignment alignment)
{
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut cut)
{
    if (bevelInner_ == cut) return;
    bevelInner_ = cut;
    FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut)
{
    if (bevelOuter_ == cut) return;
    bevelOuter_ = cut;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int width)
{
    width = std::clamp(width, 1, 1000);
    if (bevelWidth_ == width) return;
    bevelWidth_ = width;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int width)
{
    width = std::clamp(width, 0, 1000);
    if (borderWidth_ == width) return;
    borderWidth_ = width;
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style)
{
    if (style != bsSingle) style = bsNone;
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    if (HandleAllocated()) RecreateWnd();
    FrameChanged();
}

int TCustomPanel::FrameWidth() const
{
    int w = borderWidth_;
    if (bevelOuter_ != bvNone) w += bevelWidth_;
    if (bevelInner_ != bvNone) w += bevelWidth_;
    return w;
}

void TCustomPanel::FrameChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
    p.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::AdjustClientRect(RECT& rect) const
{
    TCustomControl::AdjustClientRect(rect);
    int w = FrameWidth();
    rect.left += w;
    rect.top += w;
    rect.right = std::max(rect.left, rect.right - w);
    rect.bottom = std::max(rect.top, rect.bottom - w);
}

void TCustomPanel::PaintFrame(RECT& rect)
{
    TCanvas& c = *Canvas();
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        if (cut == bvSpace) {
            Frame3D(c, rect, Color(), Color(), bevelWidth_);
            return;
        }
        TColor light = clBtnHighlight;
        TColor dark = clBtnShadow;
        if (cut == bvLowered) std::swap(light, dark);
        Frame3D(c, rect, light, dark, bevelWidth_);
    };
    bevel(bevelOuter_);
    Frame3D(c, rect, Color(), Color(), borderWidth_);
    bevel(bevelInner_);
}

void TCustomPanel::Paint()
{
    TCanvas& c = *Canvas();
    RECT r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    PaintFrame(r);
    std::string caption = Caption();
    if (caption.empty()) return;
    c.Font()->Assign(*Font());
    c.Brush()->SetStyle(bsClear);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (alignment_ == taCenter) format |= DT_CENTER;
    if (alignment_ == taRightJustify) format |= DT_RIGHT;
    c.TextRect(r, caption, format);
}

void TCustomPanel::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; return;  // Paint covers every pixel
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    default: TCustomControl::Dispatch(m); return;
    }
}

}  // namespace fw
