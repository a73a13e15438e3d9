#pragma once

#include <string>
#include <string_view>

namespace gfx {

// A font file chosen for a face name and style.
struct FontFile {
    std::string path;      // empty when no font could be found at all
    int index = 0;         // face index inside the file
    std::string family;    // the installed family name
    bool bold = false;     // the file itself is bold (else bold must be synthesised)
    bool italic = false;   // the file itself is italic or oblique
};

// Maps a classic face name through the face table and asks fontconfig for the file of the
// matching style. Not thread-safe: callers serialise.
FontFile matchFontFile(std::string_view face, int weight, bool italic);

}  // namespace gfx
