#include "fw/graphics/jpeg_image.h"

#include <span>

#include "base/error.h"
#include "gfx/jpeg_file.h"

namespace fw {

void TJPEGImage::LoadFromStream(base::MemoryStream& stream)
{
    std::span<const std::uint8_t> bytes(stream.data() + stream.position(), stream.remaining());
    gfx::Bitmap decoded = gfx::readJpeg(bytes);
    bytes_.assign(bytes.begin(), bytes.end());
    stream.seek(0, base::SeekOrigin::End);
    pixels_.LoadFromImage(std::move(decoded));
    Changed();
}

void TJPEGImage::SaveToStream(base::MemoryStream& stream) const
{
    if (bytes_.empty()) throw base::Error("Cannot save an empty JPEG image");
    stream.write(bytes_.data(), bytes_.size());
}

void TJPEGImage::Assign(const TPersistent& source)
{
    if (&source == this) return;
    if (const auto* other = As<TJPEGImage>(&source)) {
        bytes_ = other->bytes_;
        pixels_.Assign(other->pixels_);
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect)
{
    pixels_.Draw(canvas, rect);
}

}  // namespace fw
