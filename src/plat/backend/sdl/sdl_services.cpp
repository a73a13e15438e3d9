#include "plat/backend/sdl/sdl_services.h"

#if SENTAVIA_PLAT_HAS_SERVICES
#include "plat/services/bitmap_cursors.h"
#include "plat/services/clipboard.h"
#endif

namespace plat {

#if SENTAVIA_PLAT_HAS_SERVICES

void ConnectDesktopServices()
{
    ClipboardBackend b;
    b.setText = [](const std::string& text) { SDL_SetClipboardText(text.c_str()); };
    b.getText = []() -> std::optional<std::string> {
        if (!SDL_HasClipboardText()) return std::nullopt;
        char* text = SDL_GetClipboardText();
        if (!text) return std::nullopt;
        std::string s(text);
        SDL_free(text);
        return s;
    };
    SetClipboardBackend(std::move(b));
}

void DisconnectDesktopServices() { SetClipboardBackend({}); }

SDL_Cursor* PictureCursor(HCURSOR cursor, std::map<std::uint64_t, SDL_Cursor*>& made)
{
    const CursorImage* image = CursorImageOf(cursor);
    if (!image || image->width <= 0 || image->height <= 0) return nullptr;
    SDL_Cursor*& c = made[cursor.value];
    if (c) return c;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image->argb.data()), image->width,
                                                        image->height, 32, image->width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return nullptr;
    c = SDL_CreateColorCursor(s, image->hotSpot.x, image->hotSpot.y);
    SDL_FreeSurface(s);
    return c;
}

#else

void ConnectDesktopServices() {}
void DisconnectDesktopServices() {}
SDL_Cursor* PictureCursor(HCURSOR, std::map<std::uint64_t, SDL_Cursor*>&) { return nullptr; }

#endif

}  // namespace plat
