#include "gfx/font_face_table.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace gfx {

namespace {

struct FaceEntry {
    std::string_view face;
    std::array<std::string_view, 2> families;  // empty entries unused
};

constexpr FaceEntry kFaces[] = {
    {"MS Sans Serif", {"DejaVu Sans", ""}},
    {"MS Shell Dlg", {"DejaVu Sans", ""}},
    {"MS Shell Dlg 2", {"DejaVu Sans", ""}},
    {"Tahoma", {"DejaVu Sans", ""}},
    {"Verdana", {"DejaVu Sans", ""}},
    {"System", {"DejaVu Sans", ""}},
    {"Microsoft Sans Serif", {"DejaVu Sans", ""}},
    {"Segoe UI", {"DejaVu Sans", ""}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Courier", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Fixedsys", {"Liberation Mono", "DejaVu Sans Mono"}},
};

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::vector<std::string> familyCandidates(std::string_view face)
{
    for (const FaceEntry& e : kFaces) {
        if (!equalsIgnoringCase(e.face, face)) continue;
        std::vector<std::string> out;
        for (std::string_view f : e.families)
            if (!f.empty()) out.emplace_back(f);
        return out;
    }
    return {};
}

}  // namespace gfx
