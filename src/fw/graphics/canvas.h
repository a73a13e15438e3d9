#pragma once

#include <span>
#include <string_view>

#include "fw/graphics/brush.h"
#include "fw/graphics/font.h"
#include "fw/graphics/geometry.h"
#include "fw/graphics/pen.h"
#include "plat/gdi/gdi_constants.h"
#include "plat/handle.h"

namespace fw {

class TGraphic;

// The raster operation of CopyRect (and of drawing bitmaps).
using TCopyMode = plat::DWORD;
constexpr TCopyMode cmBlackness = plat::BLACKNESS;
constexpr TCopyMode cmDstInvert = plat::DSTINVERT;
constexpr TCopyMode cmMergeCopy = plat::MERGECOPY;
constexpr TCopyMode cmMergePaint = plat::MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = plat::NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = plat::NOTSRCERASE;
constexpr TCopyMode cmPatCopy = plat::PATCOPY;
constexpr TCopyMode cmPatInvert = plat::PATINVERT;
constexpr TCopyMode cmPatPaint = plat::PATPAINT;
constexpr TCopyMode cmSrcAnd = plat::SRCAND;
constexpr TCopyMode cmSrcCopy = plat::SRCCOPY;
constexpr TCopyMode cmSrcErase = plat::SRCERASE;
constexpr TCopyMode cmSrcInvert = plat::SRCINVERT;
constexpr TCopyMode cmSrcPaint = plat::SRCPAINT;
constexpr TCopyMode cmWhiteness = plat::WHITENESS;

// Drawing on a device context with a font, a pen and a brush of its own.
//
// The canvas selects its objects into the context only when a drawing call needs them and
// puts the context's own objects back when the context is detached, so it can be laid over a
// context that someone else owns (a paint handler's, a bitmap's) and leave it as it was.
// Kinds of canvas that find their context themselves (a control's, a bitmap's) override
// CreateHandle; a canvas with none raises base::Error when asked to draw.
class TCanvas : public TPersistent {
    FW_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // The context with the canvas's font, pen and brush selected, for drawing calls of its own.
    plat::HDC Handle();
    // Attaches a context (null detaches). The canvas does not own it.
    void SetHandle(plat::HDC dc);
    bool HandleAllocated() const { return static_cast<bool>(dc_); }

    // A lock says that someone is drawing: kinds of canvas that give their context back between
    // uses (a control's) keep it while the canvas is locked.
    void Lock() { ++lockCount_; }
    void Unlock();
    bool TryLock();
    int LockCount() const { return lockCount_; }

    TFont* Font() { return &font_; }
    void SetFont(const TFont* font) { if (font) font_.Assign(*font); }
    TPen* Pen() { return &pen_; }
    void SetPen(const TPen* pen) { if (pen) pen_.Assign(*pen); }
    TBrush* Brush() { return &brush_; }
    void SetBrush(const TBrush* brush) { if (brush) brush_.Assign(*brush); }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

    TPoint PenPos();
    void SetPenPos(TPoint p) { MoveTo(p.x, p.y); }
    // The part of the context that drawing can reach, in logical coordinates.
    TRect ClipRect();

    // Lines with the pen; the last point of each line is not drawn.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    // Outline with the pen, inside with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    // With the brush only.
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void DrawFocusRect(const TRect& r);

    // clNone for a pixel outside the context.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // Text in the font's colour over the brush (nothing behind it with a clear brush); the pen
    // moves to the end of the text.
    void TextOut(int x, int y, std::string_view text);
    // The same, clipped to r (and r filled first with a solid brush).
    void TextRect(const TRect& r, int x, int y, std::string_view text);
    // Formatted text in r (DT_* flags); DT_CALCRECT sets r to what the text needs. Returns the
    // text height.
    int TextRect(TRect& r, std::string_view text, plat::UINT format);
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).width; }
    int TextHeight(std::string_view text) { return TextExtent(text).height; }

    // Pictures: at their own size, or stretched into r. An empty or missing picture draws nothing.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
    // Copies source of another canvas (or this one) into dest, stretched, through CopyMode.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // Forgets what is selected so that the objects are selected afresh before the next drawing.
    void Refresh();

    // Told before and after each drawing call.
    const TNotifyEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TNotifyEvent handler) { onChanging_ = std::move(handler); }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    // Called when a drawing call finds no context; the default has none to give.
    virtual void CreateHandle() {}
    virtual void Changing();
    virtual void Changed();

private:
    // One kind of object as it stands in the context: what the canvas selected (with its share
    // in the handle) and what was there before it.
    struct Selection {
        SharedGdiObject object;
        plat::HGDIOBJ original;
        bool valid = false;
    };

    plat::HDC dc_;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    TCopyMode copyMode_ = cmSrcCopy;
    int lockCount_ = 0;
    Selection fontSel_, penSel_, brushSel_;
    TNotifyEvent onChanging_, onChange_;

    void requireHandle();
    void requireFont();
    void requirePen();
    void requireBrush();
    void select(Selection& s, const SharedGdiObject& object);
    void restore(Selection& s);
    void deselectAll();
};

// Keeps a canvas locked for a scope, also when an exception passes.
class TCanvasLock {
public:
    explicit TCanvasLock(TCanvas& canvas) : canvas_(canvas) { canvas_.Lock(); }
    ~TCanvasLock() { canvas_.Unlock(); }
    TCanvasLock(const TCanvasLock&) = delete;
    TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
    TCanvas& canvas_;
};

}  // namespace fw
