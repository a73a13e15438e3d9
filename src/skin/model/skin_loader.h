#pragma once

#include <string>
#include <vector>

#include "skin/model/image_source.h"
#include "skin/model/loaded_skin.h"
#include "skin/model/skin_problem.h"
#include "skin/options/options_text.h"

namespace skin {

// What a skin is read from: its options and images, and optionally extra sections merged over
// every skin with their own images.
struct SkinSources {
    const OptionsText* options = nullptr;
    const SkinImageSource* images = nullptr;
    const OptionsText* commonSections = nullptr;
    const SkinImageSource* commonImages = nullptr;
};

// Reads masks, patterns and general data, in that order. Without a problem list, an entry
// whose numbers are no numbers (or an image that cannot be decoded) throws base::Error naming
// the skin, section, key and line; missing files and rectangles outside their image are left
// out quietly. With a list, every problem goes into it and loading goes on.
LoadedSkin loadSkin(const SkinSources& sources, const std::string& skinName, TsSkinManager* owner = nullptr,
                    std::vector<SkinProblem>* problems = nullptr);

}  // namespace skin
