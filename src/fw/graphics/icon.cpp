#include "fw/graphics/icon.h"

#include <span>

#include "base/error.h"
#include "fw/graphics/canvas.h"
#include "gfx/ico_file.h"
#include "plat/gdi/icons.h"
#include "plat/gdi/objects.h"

namespace fw {

namespace {

plat::HICON copyIcon(plat::HICON icon)
{
    plat::ICONINFO info;
    if (!icon || !plat::GetIconInfo(icon, &info)) return {};
    plat::HICON copy = plat::CreateIconIndirect(&info);
    plat::DeleteObject(info.hbmMask);
    plat::DeleteObject(info.hbmColor);
    return copy;
}

}  // namespace

TIcon::~TIcon()
{
    if (handle_) plat::DestroyIcon(handle_);
}

int TIcon::Width() const
{
    return handle_ ? plat::IconSize(handle_).width : 0;
}

int TIcon::Height() const
{
    return handle_ ? plat::IconSize(handle_).height : 0;
}

void TIcon::SetHandle(plat::HICON icon)
{
    if (icon == handle_) return;
    if (handle_) plat::DestroyIcon(handle_);
    handle_ = icon;
    Changed();
}

plat::HICON TIcon::ReleaseHandle()
{
    plat::HICON h = handle_;
    handle_ = {};
    Changed();
    return h;
}

void TIcon::LoadFromStream(base::MemoryStream& stream)
{
    std::span<const std::uint8_t> bytes(stream.data() + stream.position(), stream.remaining());
    gfx::IconImage image = gfx::readIco(bytes);
    plat::ICONINFO info;
    info.hbmColor = plat::CreateBitmapFromPixels(std::move(image.color));
    info.hbmMask = plat::CreateBitmapFromPixels(std::move(image.mask));
    plat::HICON icon = plat::CreateIconIndirect(&info);
    plat::DeleteObject(info.hbmColor);
    plat::DeleteObject(info.hbmMask);
    if (!icon) throw base::Error("Damaged icon file: the picture cannot be made into an icon");
    stream.seek(0, base::SeekOrigin::End);
    SetHandle(icon);
}

void TIcon::Assign(const TPersistent& source)
{
    if (&source == this) return;
    if (const auto* other = As<TIcon>(&source)) {
        SetHandle(copyIcon(other->handle_));
        return;
    }
    TGraphic::Assign(source);
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect)
{
    if (!handle_) return;
    plat::DrawIconEx(canvas.Handle(), rect.left, rect.top, handle_, rect.width(), rect.height(), 0, {},
                     plat::DI_NORMAL);
}

}  // namespace fw
