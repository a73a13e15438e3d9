#include "fw/graphics/bitmap.h"

#include <cstring>
#include <span>
#include <vector>

#include "base/error.h"
#include "base/file.h"
#include "fw/graphics/masked_draw.h"
#include "fw/graphics/standard_palette.h"
#include "gfx/bmp_file.h"
#include "plat/gdi/blit.h"
#include "plat/gdi/dc.h"
#include "plat/gdi/objects.h"

namespace fw {

namespace {

int bitsOf(TPixelFormat format)
{
    switch (format) {
    case pfDevice: return 32;  // what a context compatible with the screen makes
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf24bit: return 24;
    case pf32bit: return 32;
    case pf15bit:
    case pf16bit:
    case pfCustom: break;
    }
    throw base::Error("Unsupported pixel format");
}

TPixelFormat formatOf(int bits)
{
    switch (bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: throw base::Error("Unsupported pixel format");
    }
}

// The palette index of pixel x of a row of a palette bitmap.
unsigned indexAt(const gfx::Bitmap& b, int x, int y)
{
    const std::uint8_t* r = b.row(y);
    switch (b.bitsPerPixel()) {
    case 8: return r[x];
    case 4: return (x & 1) ? (r[x / 2] & 0x0F) : (r[x / 2] >> 4);
    default: return (r[x / 8] >> (7 - (x & 7))) & 1;
    }
}

// A white bitmap of the given depth, with the standard palette for palette depths.
gfx::Bitmap whiteBitmap(int width, int height, int bits)
{
    gfx::Bitmap b(width, height, bits);
    if (bits > 8) {
        b.fill(gfx::kWhite);
        return b;
    }
    b.palette() = StandardPalette(bits);
    unsigned white = NearestPaletteIndex(b.palette(), gfx::kWhite);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.setPixel(x, y, white);
    return b;
}

// The pixels of `from` at another depth; palette depths take the nearest standard colour.
gfx::Bitmap converted(const gfx::Bitmap& from, int bits)
{
    gfx::Bitmap to(from.width(), from.height(), bits, from.rowOrder());
    if (bits <= 8) to.palette() = StandardPalette(bits);
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            gfx::Color c = from.pixel(x, y);
            to.setPixel(x, y, bits <= 8 ? NearestPaletteIndex(to.palette(), c) : c);
        }
    return to;
}

}  // namespace

// --- the canvas of a bitmap ---

TBitmapCanvas::~TBitmapCanvas()
{
    FreeContext();
}

void TBitmapCanvas::CreateHandle()
{
    if (memoryDc_) return;
    memoryDc_ = plat::CreateCompatibleDC({});
    if (!memoryDc_) return;
    ownBitmap_ = plat::GetCurrentObject(memoryDc_, plat::OBJ_BITMAP);
    // An empty bitmap still gets a context, so that text can be measured before it is sized.
    if (bitmap_.handle_) plat::SelectObject(memoryDc_, bitmap_.handle_);
    SetHandle(memoryDc_);
}

void TBitmapCanvas::FreeContext()
{
    if (!memoryDc_) return;
    SetHandle({});
    plat::SelectObject(memoryDc_, ownBitmap_);
    plat::DeleteDC(memoryDc_);
    memoryDc_ = {};
    ownBitmap_ = {};
}

void TBitmapCanvas::bitmapReplaced(plat::HBITMAP bitmap)
{
    if (memoryDc_) plat::SelectObject(memoryDc_, bitmap ? plat::HGDIOBJ(bitmap) : ownBitmap_);
}

// --- the bitmap ---

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format)
{
    format_ = formatOf(bitsOf(format));
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    canvas_.reset();
    freeHandle();
}

const gfx::Bitmap* TBitmap::Image() const
{
    return handle_ ? plat::BitmapPixels(handle_) : nullptr;
}

gfx::Bitmap* TBitmap::Image()
{
    return handle_ ? plat::BitmapPixels(handle_) : nullptr;
}

int TBitmap::Width() const
{
    const gfx::Bitmap* b = Image();
    return b ? b->width() : 0;
}

int TBitmap::Height() const
{
    const gfx::Bitmap* b = Image();
    return b ? b->height() : 0;
}

void TBitmap::freeHandle()
{
    if (!handle_) return;
    if (canvas_) canvas_->bitmapReplaced({});
    plat::DeleteObject(handle_);
    handle_ = {};
}

void TBitmap::replacePixels(gfx::Bitmap pixels)
{
    format_ = formatOf(pixels.bitsPerPixel());
    plat::HBITMAP fresh = pixels.empty() ? plat::HBITMAP() : plat::CreateBitmapFromPixels(std::move(pixels));
    if (canvas_) canvas_->bitmapReplaced(fresh);
    if (handle_) plat::DeleteObject(handle_);
    handle_ = fresh;
    Changed();
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height()) return;
    if (width == 0 || height == 0) {
        freeHandle();
        Changed();
        return;
    }
    gfx::Bitmap grown = whiteBitmap(width, height, bitsOf(format_));
    if (const gfx::Bitmap* old = Image()) {
        int w = std::min(width, old->width());
        int h = std::min(height, old->height());
        if (old->bitsPerPixel() >= 24) {
            std::size_t bytes = std::size_t(w) * std::size_t(old->bitsPerPixel() / 8);
            for (int y = 0; y < h; ++y) std::memcpy(grown.row(y), old->row(y), bytes);
        } else {
            grown.palette() = old->palette();
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) grown.setPixel(x, y, indexAt(*old, x, y));
        }
    }
    replacePixels(std::move(grown));
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    int bits = bitsOf(format);
    TPixelFormat resolved = formatOf(bits);
    if (resolved == format_) return;
    const gfx::Bitmap* old = Image();
    if (!old) {
        format_ = resolved;
        Changed();
        return;
    }
    replacePixels(converted(*old, bits));
}

std::uint8_t* TBitmap::ScanLine(int row)
{
    gfx::Bitmap* b = Image();
    if (!b || row < 0 || row >= b->height()) throw base::Error("Scan line index out of range");
    return b->row(row);
}

std::uint8_t* TBitmap::Row0()
{
    gfx::Bitmap* b = Image();
    return b ? b->row0() : nullptr;
}

std::ptrdiff_t TBitmap::RowDelta() const
{
    const gfx::Bitmap* b = Image();
    return b ? b->rowDelta() : 0;
}

TBitmapCanvas* TBitmap::Canvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TBitmapCanvas>(*this);
        canvas_->SetOnChange([this](TObject*) { Changed(); });
    }
    return canvas_.get();
}

void TBitmap::SetHandle(plat::HBITMAP bitmap)
{
    if (bitmap == handle_) return;
    const gfx::Bitmap* pixels = bitmap ? plat::BitmapPixels(bitmap) : nullptr;
    if (bitmap && !pixels) throw base::Error("Invalid bitmap handle");
    TPixelFormat format = pixels ? formatOf(pixels->bitsPerPixel()) : format_;
    if (canvas_) canvas_->bitmapReplaced(bitmap);
    if (handle_) plat::DeleteObject(handle_);
    handle_ = bitmap;
    format_ = format;
    Changed();
}

plat::HBITMAP TBitmap::ReleaseHandle()
{
    plat::HBITMAP h = handle_;
    if (canvas_) canvas_->bitmapReplaced({});
    handle_ = {};
    Changed();
    return h;
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed) return transparentColor_;
    const gfx::Bitmap* b = Image();
    if (!b) return clNone;
    return TColor(b->pixel(0, b->height() - 1));
}

void TBitmap::SetTransparentColor(TColor color)
{
    TTransparentMode mode = color == clDefault ? tmAuto : tmFixed;
    if (color == transparentColor_ && mode == transparentMode_) return;
    transparentColor_ = color;
    transparentMode_ = mode;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_) return;
    transparentMode_ = mode;
    // A fixed colour that was never given is the one the automatic rule finds now.
    if (mode == tmFixed && transparentColor_ == clDefault) {
        transparentMode_ = tmAuto;
        transparentColor_ = TransparentColor();
        transparentMode_ = tmFixed;
    }
    if (mode == tmAuto) transparentColor_ = clDefault;
    Changed();
}

void TBitmap::LoadFromStream(base::MemoryStream& stream)
{
    std::size_t available = stream.remaining();
    std::span<const std::uint8_t> bytes(stream.data() + stream.position(), available);
    gfx::Bitmap image = gfx::readBmp(bytes);
    // A BMP says how long it is, so that what follows it in the stream stays to be read.
    std::size_t length = available;
    if (available >= 6) {
        std::uint32_t declared = std::uint32_t(bytes[2]) | (std::uint32_t(bytes[3]) << 8) |
                                 (std::uint32_t(bytes[4]) << 16) | (std::uint32_t(bytes[5]) << 24);
        if (declared >= 14 && declared <= available) length = declared;
    }
    LoadFromImage(std::move(image));
    stream.seek(std::int64_t(stream.position() + length));
}

void TBitmap::LoadFromImage(gfx::Bitmap image)
{
    formatOf(image.bitsPerPixel());
    replacePixels(std::move(image));
}

void TBitmap::SaveToStream(base::MemoryStream& stream) const
{
    const gfx::Bitmap* b = Image();
    if (!b) throw base::Error("Cannot save an empty bitmap");
    std::vector<std::uint8_t> bytes = gfx::writeBmp(*b);
    stream.write(bytes.data(), bytes.size());
}

void TBitmap::SaveToFile(const std::string& path) const
{
    base::MemoryStream stream;
    SaveToStream(stream);
    base::writeFileBytes(path, std::string_view(reinterpret_cast<const char*>(stream.data()), stream.size()));
}

void TBitmap::Assign(const TPersistent& source)
{
    if (&source == this) return;
    if (const auto* other = As<TBitmap>(&source)) {
        transparentColor_ = other->transparentColor_;
        transparentMode_ = other->transparentMode_;
        SetTransparent(other->Transparent());
        if (const gfx::Bitmap* pixels = other->Image()) {
            replacePixels(*pixels);
        } else {
            format_ = other->format_;
            freeHandle();
            Changed();
        }
        return;
    }
    if (const auto* picture = As<TGraphic>(&source)) {
        // Any other picture becomes a 24-bit bitmap of its size, drawn on white.
        auto& graphic = const_cast<TGraphic&>(*picture);
        format_ = pf24bit;
        freeHandle();
        SetSize(graphic.Width(), graphic.Height());
        if (!Empty()) Canvas()->StretchDraw(Rect(0, 0, Width(), Height()), &graphic);
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect)
{
    if (Empty()) return;
    if (Transparent()) {
        DrawTransparent(canvas, rect, Rect(0, 0, Width(), Height()), TransparentColor());
        return;
    }
    plat::HDC dest = canvas.Handle();
    plat::HDC source = Canvas()->Handle();
    // A mono bitmap shows black and white, not the canvas's text colours.
    plat::COLORREF text = 0, back = 0;
    if (Monochrome()) {
        text = plat::SetTextColor(dest, 0x000000);
        back = plat::SetBkColor(dest, 0xFFFFFF);
    }
    plat::StretchBlt(dest, rect.left, rect.top, rect.width(), rect.height(), source, 0, 0, Width(), Height(),
                     canvas.CopyMode());
    if (Monochrome()) {
        plat::SetTextColor(dest, text);
        plat::SetBkColor(dest, back);
    }
}

void TBitmap::DrawTransparent(TCanvas& canvas, const TRect& dest, const TRect& source, TColor key)
{
    if (Empty() || source.empty() || dest.empty()) return;
    if (Monochrome()) {
        TBitmap colour;
        colour.Assign(*this);
        colour.SetPixelFormat(pf24bit);
        colour.DrawTransparent(canvas, dest, source, key);
        return;
    }
    plat::HDC to = canvas.Handle();
    plat::HDC from = Canvas()->Handle();
    const int w = source.width(), h = source.height();

    // The mask: 1 where the source has the key colour.
    plat::HDC maskDc = plat::CreateCompatibleDC({});
    plat::HBITMAP mask = plat::CreateBitmap(w, h, 1, 1, nullptr);
    if (!maskDc || !mask) {
        plat::DeleteDC(maskDc);
        plat::DeleteObject(mask);
        return;
    }
    plat::HGDIOBJ maskOld = plat::SelectObject(maskDc, mask);
    plat::COLORREF sourceBack = plat::SetBkColor(from, ColorToRef(key, 0xFF00FF));
    plat::BitBlt(maskDc, 0, 0, w, h, from, source.left, source.top, plat::SRCCOPY);
    plat::SetBkColor(from, sourceBack);

    MaskedStretchBlt(to, dest, from, source, maskDc, 0, 0);

    plat::SelectObject(maskDc, maskOld);
    plat::DeleteObject(mask);
    plat::DeleteDC(maskDc);
}

}  // namespace fw
