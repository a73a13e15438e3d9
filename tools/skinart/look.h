#pragma once

#include <map>
#include <string>

#include "gfx/color.h"

namespace skinart {

// A skin's description: its name and texts, and named colours that both the pictures and the
// options file take.
struct Look {
    std::string name;
    std::map<std::string, std::string> texts;  // every key as written in the file
    std::map<std::string, gfx::Color> colors;  // keys whose value is #RRGGBB

    // Throws base::Error naming the key when the look has no such colour.
    gfx::Color operator()(const std::string& key) const;
};

// Reads a look file: a [LOOK] section of KEY=value lines. Errors name the file.
Look readLook(const std::string& path);

// Fills ${KEY} placeholders: colours as their 0x00BBGGRR decimal number, other keys as text.
std::string fillTemplate(const std::string& text, const Look& look);

}  // namespace skinart
