#include "plat/backend/sdl/sdl_icon.h"

#include "gfx/bitmap.h"
#include "plat/gdi/icons.h"
#include "plat/gdi/objects.h"

namespace plat {

SDL_Surface* SurfaceFromIcon(HICON icon)
{
    ICONINFO info;
    if (!icon || !GetIconInfo(icon, &info)) return nullptr;
    const gfx::Bitmap* mask = BitmapPixels(info.hbmMask);
    const gfx::Bitmap* colour = info.hbmColor ? BitmapPixels(info.hbmColor) : nullptr;
    SDL_Surface* out = nullptr;
    // Without a colour bitmap the mask holds both planes, the AND half above the XOR half.
    int width = colour ? colour->width() : (mask ? mask->width() : 0);
    int height = colour ? colour->height() : (mask ? mask->height() / 2 : 0);
    if (width > 0 && height > 0 && width <= 256 && height <= 256)
        out = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (out) {
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(out->pixels) + y * out->pitch);
            for (int x = 0; x < width; ++x) {
                bool clear = mask && x < mask->width() && y < mask->height() && (mask->pixel(x, y) & 0xFFFFFF) != 0;
                gfx::Color c = colour ? colour->pixel(x, y) : (mask && (mask->pixel(x, y + height) & 0xFFFFFF) ? 0xFFFFFF : 0);
                row[x] = (clear ? 0u : 0xFF000000u) | (Uint32(gfx::red(c)) << 16) | (Uint32(gfx::green(c)) << 8) |
                         gfx::blue(c);
            }
        }
    }
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return out;
}

}  // namespace plat
