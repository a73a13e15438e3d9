#include "fw/graphics/canvas.h"

#include "base/error.h"
#include "fw/graphics/graphic.h"
#include "plat/gdi/blit.h"
#include "plat/gdi/dc.h"
#include "plat/gdi/lines.h"
#include "plat/gdi/shapes.h"
#include "plat/gdi/text.h"

namespace fw {

TCanvas::TCanvas()
{
    // A change of an object makes the canvas select it again before its next use.
    font_.SetOnChange([this](TObject*) { fontSel_.valid = false; });
    pen_.SetOnChange([this](TObject*) { penSel_.valid = false; });
    brush_.SetOnChange([this](TObject*) { brushSel_.valid = false; });
}

TCanvas::~TCanvas()
{
    deselectAll();
}

plat::HDC TCanvas::Handle()
{
    // Whoever draws on the context directly finds the canvas's font, pen and brush in it.
    requireFont();
    requirePen();
    requireBrush();
    return dc_;
}

void TCanvas::SetHandle(plat::HDC dc)
{
    if (dc == dc_) return;
    deselectAll();
    dc_ = dc;
}

void TCanvas::Unlock()
{
    if (lockCount_ > 0) --lockCount_;
}

bool TCanvas::TryLock()
{
    // One thread draws: a lock can always be taken.
    Lock();
    return true;
}

void TCanvas::requireHandle()
{
    if (!dc_) CreateHandle();
    if (!dc_) throw base::Error("Canvas does not allow drawing");
}

void TCanvas::select(Selection& s, const SharedGdiObject& object)
{
    plat::HGDIOBJ previous = plat::SelectObject(dc_, object ? *object : plat::HGDIOBJ());
    if (!s.object && !s.original) s.original = previous;
    s.object = object;  // keeps the handle alive while it is selected
    s.valid = true;
}

void TCanvas::restore(Selection& s)
{
    if (s.original && dc_) plat::SelectObject(dc_, s.original);
    s = Selection{};
}

void TCanvas::deselectAll()
{
    restore(fontSel_);
    restore(penSel_);
    restore(brushSel_);
}

void TCanvas::Refresh()
{
    fontSel_.valid = penSel_.valid = brushSel_.valid = false;
}

void TCanvas::requireFont()
{
    requireHandle();
    if (fontSel_.valid) return;
    select(fontSel_, font_.SharedHandle());
    plat::SetTextColor(dc_, ColorToRef(font_.Color()));
}

void TCanvas::requirePen()
{
    requireHandle();
    if (penSel_.valid) return;
    select(penSel_, pen_.SharedHandle());
    plat::SetROP2(dc_, PenModeToRop2(pen_.Mode()));
}

void TCanvas::requireBrush()
{
    requireHandle();
    if (brushSel_.valid) return;
    select(brushSel_, brush_.SharedHandle());
    plat::SetBkColor(dc_, ColorToRef(brush_.Color(), 0xFFFFFF));
    plat::SetBkMode(dc_, brush_.Style() == bsSolid ? plat::OPAQUE : plat::TRANSPARENT);
}

void TCanvas::Changing()
{
    if (onChanging_) onChanging_(this);
}

void TCanvas::Changed()
{
    if (onChange_) onChange_(this);
}

TPoint TCanvas::PenPos()
{
    requireHandle();
    TPoint p;
    plat::GetCurrentPositionEx(dc_, &p);
    return p;
}

TRect TCanvas::ClipRect()
{
    requireHandle();
    TRect r;
    plat::GetClipBox(dc_, &r);
    return r;
}

void TCanvas::MoveTo(int x, int y)
{
    requireHandle();
    plat::MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    Changing();
    requirePen();
    requireBrush();
    plat::LineTo(dc_, x, y);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.empty()) return;
    Changing();
    requirePen();
    requireBrush();
    plat::Polyline(dc_, points.data(), int(points.size()));
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    Changing();
    requirePen();
    requireBrush();
    plat::Rectangle(dc_, left, top, right, bottom);
    Changed();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    Changing();
    requirePen();
    requireBrush();
    plat::Ellipse(dc_, left, top, right, bottom);
    Changed();
}

void TCanvas::FillRect(const TRect& r)
{
    Changing();
    requireBrush();
    plat::FillRect(dc_, &r, brush_.Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& r)
{
    Changing();
    requireBrush();
    plat::FrameRect(dc_, &r, brush_.Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    Changing();
    requireBrush();
    plat::DrawFocusRect(dc_, &r);
    Changed();
}

TColor TCanvas::Pixels(int x, int y)
{
    requireHandle();
    plat::COLORREF c = plat::GetPixel(dc_, x, y);
    return c == plat::CLR_INVALID ? clNone : TColor(c);
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    if (color == clNone) return;
    Changing();
    requireHandle();
    plat::SetPixelV(dc_, x, y, ColorToRef(color));
    Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    Changing();
    requireFont();
    requireBrush();
    plat::TextOut(dc_, x, y, text);
    plat::SIZE size;
    plat::GetTextExtentPoint32(dc_, text, &size);
    plat::MoveToEx(dc_, x + size.width, y, nullptr);
    Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text)
{
    Changing();
    requireFont();
    requireBrush();
    plat::UINT options = plat::ETO_CLIPPED;
    if (brush_.Style() == bsSolid) options |= plat::ETO_OPAQUE;
    plat::ExtTextOut(dc_, x, y, options, &r, text);
    Changed();
}

int TCanvas::TextRect(TRect& r, std::string_view text, plat::UINT format)
{
    bool measuring = (format & plat::DT_CALCRECT) != 0;
    if (!measuring) Changing();
    requireFont();
    requireBrush();
    int height = plat::DrawText(dc_, text, &r, format);
    if (!measuring) Changed();
    return height;
}

TSize TCanvas::TextExtent(std::string_view text)
{
    requireFont();
    plat::SIZE size;
    plat::GetTextExtentPoint32(dc_, text, &size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (!graphic || graphic->Empty()) return;
    StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic)
{
    if (!graphic || graphic->Empty()) return;
    Changing();
    requireHandle();
    graphic->Draw(*this, r);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    Changing();
    requireFont();  // a mono source takes the text and background colours of this canvas
    requireBrush();
    plat::HDC from = source.Handle();
    plat::StretchBlt(dc_, dest.left, dest.top, dest.width(), dest.height(), from, sourceRect.left, sourceRect.top,
                     sourceRect.width(), sourceRect.height(), copyMode_);
    Changed();
}

}  // namespace fw
