#include "fw/graphics/image_list.h"

#include <string>

#include "base/error.h"
#include "fw/graphics/masked_draw.h"
#include "plat/gdi/blit.h"

namespace fw {

namespace {

// A 1-bit mask of a picture's size, 1 where test says transparent.
template <class Test>
std::unique_ptr<TBitmap> makeMask(const gfx::Bitmap& pixels, Test transparent)
{
    auto mask = std::make_unique<TBitmap>(pixels.width(), pixels.height(), pf1bit);
    gfx::Bitmap& m = *mask->Image();
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) m.setPixel(x, y, transparent(pixels.pixel(x, y)) ? 1 : 0);
    return mask;
}

}  // namespace

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(std::max(width, 1)), height_(std::max(height, 1))
{
}

void TImageList::changed()
{
    if (onChange_) onChange_(this);
}

void TImageList::SetSize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    images_.clear();
    changed();
}

void TImageList::SetMasked(bool masked)
{
    if (masked == masked_) return;
    masked_ = masked;
    changed();
}

void TImageList::SetBkColor(TColor color)
{
    if (color == bkColor_) return;
    bkColor_ = color;
    changed();
}

void TImageList::checkIndex(int index) const
{
    if (index < 0 || index >= Count()) throw base::Error("Invalid image list index " + std::to_string(index));
}

TImageList::Picture TImageList::cut(TBitmap* image, TBitmap* mask, int left) const
{
    Picture p;
    p.image = std::make_unique<TBitmap>(width_, height_, pf24bit);
    TRect from = Bounds(left, 0, width_, height_);
    TRect to = Rect(0, 0, width_, height_);
    p.image->Canvas()->CopyRect(to, *image->Canvas(), from);
    if (mask && !mask->Empty()) {
        p.mask = std::make_unique<TBitmap>(width_, height_, pf1bit);
        // Outside the given mask the picture is see-through.
        p.mask->Canvas()->Brush()->SetColor(clWhite);
        p.mask->Canvas()->FillRect(to);
        TRect part = from.intersected(Rect(0, 0, mask->Width(), mask->Height()));
        if (!part.empty()) {
            TBitmap mono;
            mono.Assign(*mask);
            mono.SetPixelFormat(pf1bit);
            p.mask->Canvas()->CopyRect(part.offset(-left, 0), *mono.Canvas(), part);
        }
    }
    return p;
}

int TImageList::Add(TBitmap* image, TBitmap* mask)
{
    if (!image || image->Empty()) return -1;
    int first = Count();
    int pieces = std::max(1, image->Width() / width_);
    for (int i = 0; i < pieces; ++i) images_.push_back(cut(image, mask, i * width_));
    changed();
    return first;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    if (!image || image->Empty()) return -1;
    TBitmap colour;
    colour.Assign(*image);
    colour.SetPixelFormat(pf24bit);
    TColor key = maskColor == clDefault ? TColor(colour.Image()->pixel(0, colour.Height() - 1)) : ColorToRGB(maskColor);
    std::unique_ptr<TBitmap> mask = makeMask(*colour.Image(), [key](gfx::Color c) { return TColor(c) == key; });
    return Add(&colour, mask.get());
}

void TImageList::Delete(int index)
{
    checkIndex(index);
    images_.erase(images_.begin() + index);
    changed();
}

void TImageList::Replace(int index, TBitmap* image, TBitmap* mask)
{
    checkIndex(index);
    if (!image || image->Empty()) throw base::Error("No picture to put in the image list");
    images_[std::size_t(index)] = cut(image, mask, 0);
    changed();
}

void TImageList::Clear()
{
    if (images_.empty()) return;
    images_.clear();
    changed();
}

void TImageList::GetBitmap(int index, TBitmap* image)
{
    checkIndex(index);
    if (!image) return;
    image->SetPixelFormat(pf24bit);
    image->SetSize(width_, height_);
    image->Canvas()->Brush()->SetColor(bkColor_ == clNone ? clWhite : bkColor_);
    image->Canvas()->FillRect(Rect(0, 0, width_, height_));
    Draw(image->Canvas(), 0, 0, index);
}

void TImageList::drawShape(TCanvas& canvas, const Picture& p, int x, int y, TColor color)
{
    // The shape is the picture's dark, visible pixels; everything else is see-through.
    const gfx::Bitmap& pixels = *p.image->Image();
    const gfx::Bitmap* mask = p.mask && masked_ ? p.mask->Image() : nullptr;
    gfx::Bitmap shape(width_, height_, 1);
    shape.palette() = {gfx::kBlack, gfx::kWhite};
    for (int j = 0; j < height_; ++j)
        for (int i = 0; i < width_; ++i) {
            gfx::Color c = pixels.pixel(i, j);
            bool hidden = mask && mask->pixel(i, j) == gfx::kWhite;
            bool dark = gfx::red(c) * 3 + gfx::green(c) * 6 + gfx::blue(c) < 192 * 10;
            shape.setPixel(i, j, hidden || !dark ? 1 : 0);
        }
    TBitmap shapeMask;
    shapeMask.LoadFromImage(std::move(shape));
    TBitmap ink(width_, height_, pf24bit);
    ink.Canvas()->Brush()->SetColor(color);
    ink.Canvas()->FillRect(Rect(0, 0, width_, height_));
    MaskedStretchBlt(canvas.Handle(), Bounds(x, y, width_, height_), ink.Canvas()->Handle(),
                     Rect(0, 0, width_, height_), shapeMask.Canvas()->Handle(), 0, 0);
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled)
{
    if (!canvas || index < 0 || index >= Count()) return;
    const Picture& p = images_[std::size_t(index)];
    TRect dest = Bounds(x, y, width_, height_);
    TRect all = Rect(0, 0, width_, height_);
    if (bkColor_ != clNone) {
        TBrush keep;
        keep.Assign(*canvas->Brush());
        canvas->Brush()->SetColor(bkColor_);
        canvas->FillRect(dest);
        canvas->SetBrush(&keep);
    }
    if (!enabled) {
        drawShape(*canvas, p, x + 1, y + 1, clBtnHighlight);
        drawShape(*canvas, p, x, y, clBtnShadow);
        return;
    }
    plat::HDC to = canvas->Handle();
    if (masked_ && p.mask) {
        MaskedStretchBlt(to, dest, p.image->Canvas()->Handle(), all, p.mask->Canvas()->Handle(), 0, 0);
    } else {
        plat::BitBlt(to, x, y, width_, height_, p.image->Canvas()->Handle(), 0, 0, plat::SRCCOPY);
    }
}

}  // namespace fw
