#pragma once

#include <memory>
#include <string>

#include "skin/pack/skin_convertor.h"

namespace skin {

// Reads a packed skin file into a convertor, made when `convertor` is empty and cleared
// otherwise (a new one warns through `warning`). A file that does not exist changes nothing (false). With freePackedData the
// archive's bytes are dropped afterwards, also when unpacking fails. Answers whether the file
// was read and held a skin archive; damaged archives throw base::Error naming the file.
bool LoadPackedSkinFile(const std::string& path, std::unique_ptr<TacSkinConvertor>& convertor,
                        bool freePackedData, const SkinWarning& warning = messageBoxWarning());

}  // namespace skin
