#include "skin/pack/archive_writer.h"

#include <zlib.h>

#include "base/error.h"
#include "base/format.h"
#include "base/memory_stream.h"
#include "skin/pack/skin_convertor.h"

namespace skin {

std::vector<std::uint8_t> packSkinArchive(std::span<const ArchiveFile> files)
{
    if (files.size() > std::size_t(TacSkinConvertor::kMaxEntries))
        throw base::Error(base::format("A skin archive holds at most %d files", TacSkinConvertor::kMaxEntries));
    base::MemoryStream out;
    out.write("ASzf");
    out.writeI32(std::int32_t(files.size()));
    for (const ArchiveFile& f : files) {
        if (f.name.empty() || f.name.size() > std::size_t(TacSkinConvertor::kMaxNameBytes) ||
            f.name.find_first_of("/\\") != std::string::npos)
            throw base::Error(base::format("\"%s\" cannot be a file name in a skin archive", f.name));
        if (f.bytes.size() > TacSkinConvertor::kMaxEntryBytes)
            throw base::Error(base::format("\"%s\" is too large for a skin archive", f.name));
        out.writeI32(std::int32_t(f.name.size()));
        out.write(f.name);
        out.writeI32(std::int32_t(f.bytes.size()));
        uLongf packedSize = compressBound(uLong(f.bytes.size()));
        std::vector<std::uint8_t> packed(packedSize);
        const int rc = compress2(packed.data(), &packedSize, f.bytes.data(), uLong(f.bytes.size()),
                                 Z_DEFAULT_COMPRESSION);
        if (rc != Z_OK) throw base::Error(base::format("Cannot compress \"%s\": zlib error %d", f.name, rc));
        out.write(packed.data(), packedSize);
    }
    return out.bytes();
}

}  // namespace skin
