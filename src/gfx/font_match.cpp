#include "gfx/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

#include "gfx/font_face_table.h"

namespace gfx {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Loads fontconfig's configuration once; it is released at exit, or leak checkers would report
// what fontconfig keeps from its initialisation.
bool fontconfigReady()
{
    static const bool ready = [] {
        if (!FcInit()) return false;
        std::atexit([] { FcFini(); });
        return true;
    }();
    return ready;
}

// fontconfig's best match for a family; `requireFamily` rejects substitutes for another family.
bool matchFamily(const std::string& family, int weight, bool italic, bool requireFamily,
                 FontFile& out)
{
    if (!fontconfigReady()) return false;
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) return false;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(std::clamp(weight, 1, 1000)));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddInteger(pattern.get(), FC_WIDTH, FC_WIDTH_NORMAL);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) return false;

    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return false;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) != FcResultMatch || !matchedFamily)
        return false;
    const std::string familyName = reinterpret_cast<const char*>(matchedFamily);
    if (requireFamily && !sameName(familyName, family)) return false;

    int index = 0;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    int matchedWeight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &matchedWeight);
    int matchedSlant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &matchedSlant);

    out.path = reinterpret_cast<const char*>(file);
    out.index = index;
    out.family = familyName;
    out.bold = matchedWeight >= FC_WEIGHT_DEMIBOLD;
    out.italic = matchedSlant != FC_SLANT_ROMAN;
    return true;
}

}  // namespace

FontFile matchFontFile(std::string_view face, int weight, bool italic)
{
    FontFile out;
    const std::vector<std::string> candidates = familyCandidates(face);
    for (const std::string& family : candidates)
        if (matchFamily(family, weight, italic, true, out)) return out;
    if (candidates.empty() && !face.empty() && matchFamily(std::string(face), weight, italic, false, out))
        return out;
    if (matchFamily(std::string(kDefaultFamily), weight, italic, false, out)) return out;
    return {};
}

}  // namespace gfx
