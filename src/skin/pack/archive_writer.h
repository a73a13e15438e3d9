#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skin {

struct ArchiveFile {
    std::string name;  // a plain file name, no folder part
    std::vector<std::uint8_t> bytes;
};

// Packs files, in the given order, into a skin archive that TacSkinConvertor reads: each is one
// zlib stream of default compression. Only the skin tools write archives; the program never does.
// Throws base::Error for a name with a folder part or sizes beyond the reader's ceilings.
std::vector<std::uint8_t> packSkinArchive(std::span<const ArchiveFile> files);

}  // namespace skin
