#pragma once

#include <string>
#include <vector>

#include "base/memory_stream.h"

namespace skin {

// One file of a skin archive other than the options file.
struct TacImageItem {
    std::string Name;       // as stored in the archive
    bool IsBitmap = false;  // the name ends in ".BMP" in any case
    base::MemoryStream Data;  // unpacked bytes; stands at its end after unpacking
};

using TacImageItems = std::vector<TacImageItem>;

}  // namespace skin
