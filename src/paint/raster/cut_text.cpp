#include "paint/raster/cut_text.h"

namespace paint {

std::string CutText(fw::TCanvas& canvas, std::string_view text, int width)
{
    if (width <= 0) return {};
    if (canvas.TextWidth(text) <= width) return std::string(text);
    std::string_view kept = text;
    while (!kept.empty()) {
        // Drop one whole UTF-8 character, never half of one.
        std::size_t end = kept.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(kept[end]) & 0xC0) == 0x80) --end;
        kept = kept.substr(0, end);
        std::string candidate = std::string(kept) + "...";
        if (kept.empty()) break;
        if (canvas.TextWidth(candidate) <= width) return candidate;
    }
    return {};
}

}  // namespace paint
