#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "skin/model/mask_data.h"

namespace skin {

// What one key's value says about an image: a rectangle of the master bitmap ("^" framed, "@"
// glyph, "~" texture, "#(...)(...)" legacy) or an image file ("!NAME.BMP!..." or a bare
// "NAME.BMP"). Border widths are still to be completed once the image's size is known.
struct ImageEntry {
    TsMaskData mask;       // names, counts, kind; SourceRect for master entries
    std::string fileName;  // empty for master entries
    bool turnTo24 = true;       // file images become 24 bits unless they are textures
};

// Parses one key's value; nullopt when the value is no image entry (a number, "N/A", a ".PNG"
// file entry). A numeric field that is no number throws base::Error saying which text it was.
std::optional<ImageEntry> parseImageEntry(std::string_view section, std::string_view key, std::string_view value);

// Borders left at zero: BorderWidth on every side, else a third of a frame.
void completeBorderWidths(TsMaskData& mask);

}  // namespace skin
