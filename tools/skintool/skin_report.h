#pragma once

#include <cstdio>
#include <vector>

#include "skin/model/loaded_skin.h"
#include "skin/model/skin_problem.h"

namespace skintool {

// Lists the skin's sections and masks with their rectangles and frame sizes.
void printSkin(std::FILE* out, const skin::LoadedSkin& skin);
// One line per problem: section, key, line and what is wrong.
void printProblems(std::FILE* out, const std::vector<skin::SkinProblem>& problems);

}  // namespace skintool
