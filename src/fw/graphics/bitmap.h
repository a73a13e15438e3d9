#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fw/graphics/canvas.h"
#include "fw/graphics/color.h"
#include "fw/graphics/graphic.h"
#include "gfx/bitmap.h"
#include "plat/handle.h"

namespace fw {

// 15- and 16-bit pixels are not kept by the drawing interface; asking for them raises an error.
enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
using enum TPixelFormat;
// tmAuto: the transparent colour is the bottom-left pixel's; tmFixed: TransparentColor as set.
enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;

class TBitmap;

// The canvas of a bitmap: a memory context with the bitmap selected, made on first use.
class TBitmapCanvas : public TCanvas {
    FW_CLASS(TBitmapCanvas, TCanvas)
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
    ~TBitmapCanvas() override;
    // Gives the context back; the next drawing makes a new one.
    void FreeContext();

protected:
    void CreateHandle() override;

private:
    TBitmap& bitmap_;
    plat::HDC memoryDc_;
    plat::HGDIOBJ ownBitmap_;  // what the fresh context held, selected again when it is freed

    // The bitmap's pixels moved to another handle (null: none): the context keeps its state.
    void bitmapReplaced(plat::HBITMAP bitmap);
    friend class TBitmap;
};

// A device-independent bitmap of 1, 4, 8, 24 or 32 bits per pixel behind a bitmap handle.
//
// Pixels are reached by rows: ScanLine(y), or Row0() plus y * RowDelta() in loops that must be
// fast, whatever the row order in memory (see gfx::Bitmap). A new or grown bitmap is white.
class TBitmap : public TGraphic {
    FW_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf24bit);
    ~TBitmap() override;

    int Width() const override;
    int Height() const override;
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Keeps the pixels that the old and new sizes share. Sizes beyond gfx::Bitmap's limits raise
    // base::Error and leave the bitmap as it was.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return format_; }
    // Converts the pixels; palette formats take a standard palette and the nearest colours.
    void SetPixelFormat(TPixelFormat format);
    bool Monochrome() const { return format_ == pf1bit; }
    void SetMonochrome(bool mono) { SetPixelFormat(mono ? pf1bit : pf24bit); }

    // Row y of the pixels; base::Error for a row outside the bitmap.
    std::uint8_t* ScanLine(int row);
    std::uint8_t* Row0();
    std::ptrdiff_t RowDelta() const;
    // The pixels themselves, for pixel-level work; null while the bitmap is empty.
    gfx::Bitmap* Image();
    const gfx::Bitmap* Image() const;

    TBitmapCanvas* Canvas();

    // Null while the bitmap is empty. The bitmap owns its handle.
    plat::HBITMAP Handle() const { return handle_; }
    bool HandleAllocated() const { return static_cast<bool>(handle_); }
    // Takes over a bitmap handle (the old one is deleted); null empties the bitmap.
    void SetHandle(plat::HBITMAP bitmap);
    // Gives up the handle to the caller, who deletes it; the bitmap is empty afterwards.
    plat::HBITMAP ReleaseHandle();

    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    // A BMP file at the stream's position; the stream moves past it.
    void LoadFromStream(base::MemoryStream& stream) override;
    void SaveToStream(base::MemoryStream& stream) const;
    void SaveToFile(const std::string& path) const;
    // Takes over a decoded image.
    void LoadFromImage(gfx::Bitmap image);

    // From another bitmap (a copy of its pixels) or any picture drawn onto a 24-bit bitmap.
    void Assign(const TPersistent& source) override;

    void Draw(TCanvas& canvas, const TRect& rect) override;

    // Draws rect of the bitmap into dest of the canvas, leaving out pixels of colour key.
    void DrawTransparent(TCanvas& canvas, const TRect& dest, const TRect& source, TColor key);

private:
    plat::HBITMAP handle_;
    TPixelFormat format_ = pf24bit;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
    std::unique_ptr<TBitmapCanvas> canvas_;

    void replacePixels(gfx::Bitmap pixels);
    void freeHandle();
    friend class TBitmapCanvas;
};

}  // namespace fw
