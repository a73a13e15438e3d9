#pragma once

#include <string>

#include "base/memory_stream.h"
#include "fw/graphics/geometry.h"
#include "fw/classes/events.h"
#include "fw/classes/object.h"

namespace fw {

class TCanvas;

// A picture that a canvas can draw: bitmaps, JPEG images, icons.
class TGraphic : public TPersistent {
    FW_CLASS(TGraphic, TPersistent)
public:

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    // Drawn with its transparent colour left out (what the colour is depends on the kind).
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);

    // Reads the whole file, then LoadFromStream. Errors are base::Error naming the file.
    void LoadFromFile(const std::string& path);
    // Reads from the stream's position; bad data raises base::Error and leaves the picture as it was.
    virtual void LoadFromStream(base::MemoryStream& stream) = 0;

    // Draws the picture into rect of the canvas, stretched to fit (TCanvas::Draw and StretchDraw).
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    virtual void Changed();

private:
    bool transparent_ = false;
    TNotifyEvent onChange_;
};

}  // namespace fw
