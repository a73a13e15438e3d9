#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/model/image_source.h"
#include "skin/model/skin_loader.h"
#include "skin/options/options_text.h"
#include "skin/pack/skin_convertor.h"

namespace skintool {

// A skin named on the command line: a folder with an options file, or a packed archive.
struct OpenedSkin {
    std::string name;
    std::unique_ptr<skin::TacSkinConvertor> archive;
    skin::OptionsText options;
    std::unique_ptr<skin::SkinImageSource> images;

    // Loads it as the program does; with a problem list the load goes on past bad entries.
    skin::LoadedSkin load(std::vector<skin::SkinProblem>* problems) const;
};

// Throws base::Error when the path is neither.
OpenedSkin openSkin(const std::string& path);
OpenedSkin openInternalSkin();

// Prints what an archive reader would warn about, instead of showing a box.
skin::SkinWarning printedWarning();

}  // namespace skintool
