#pragma once

#include <string>

namespace skin {

// Something wrong with one entry of a skin, for the skin author.
struct SkinProblem {
    std::string section;
    std::string key;
    int line = 0;
    std::string text;
    bool fatal = false;  // the program refuses the skin for this; the others it loads around
};

}  // namespace skin
