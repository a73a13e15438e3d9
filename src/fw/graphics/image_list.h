#pragma once

#include <memory>
#include <vector>

#include "fw/classes/component.h"
#include "fw/classes/events.h"
#include "fw/graphics/bitmap.h"
#include "fw/graphics/color.h"

namespace fw {

// Pictures of one size, each with an optional mask, drawn by index (menu glyphs, grid glyphs).
class TImageList : public TComponent {
    FW_CLASS(TImageList, TComponent)
public:
    explicit TImageList(TComponent* owner, int width = 16, int height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size empties the list: its pictures no longer fit.
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);
    int Count() const { return int(images_.size()); }

    // Drawn through their masks (True) or as plain rectangles.
    bool Masked() const { return masked_; }
    void SetMasked(bool masked);
    // Filled behind each picture before it is drawn; clNone: the canvas shows through.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);

    // Adds the picture (a wider one as several, cut at Width); mask: 1 bits (white) are
    // transparent, null for none. Returns the index of the first picture added, -1 for none.
    int Add(TBitmap* image, TBitmap* mask);
    // The same with a mask made of the pixels of one colour (clDefault: the bottom-left pixel's).
    int AddMasked(TBitmap* image, TColor maskColor);
    // These raise base::Error for an index outside the list.
    void Delete(int index);
    void Replace(int index, TBitmap* image, TBitmap* mask);
    void Clear();

    // The picture (not the mask) at its size, on BkColor or white.
    void GetBitmap(int index, TBitmap* image);
    // A disabled picture is its dark pixels embossed in the system's shadow and highlight colours.
    // An index outside the list draws nothing.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

private:
    struct Picture {
        std::unique_ptr<TBitmap> image;  // 24 bits
        std::unique_ptr<TBitmap> mask;   // 1 bit, or null
    };

    int width_;
    int height_;
    bool masked_ = true;
    TColor bkColor_ = clNone;
    std::vector<Picture> images_;
    TNotifyEvent onChange_;

    Picture cut(TBitmap* image, TBitmap* mask, int left) const;
    void checkIndex(int index) const;
    void drawShape(TCanvas& canvas, const Picture& p, int x, int y, TColor color);
    void changed();
};

}  // namespace fw
