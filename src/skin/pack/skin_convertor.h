#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/memory_stream.h"
#include "skin/pack/image_item.h"
#include "skin/pack/skin_warning.h"

namespace skin {

// Unpacks a skin archive ("ASzf", a count, then name / size / zlib stream entries) into memory:
// the options text as one stream and every other file as an image item.
class TacSkinConvertor {
public:
    // Ceilings for a damaged or hostile archive; real skins are far below them.
    static constexpr std::int32_t kMaxEntries = 4096;
    static constexpr std::int32_t kMaxNameBytes = 1024;
    static constexpr std::size_t kMaxEntryBytes = std::size_t{64} << 20;
    static constexpr std::size_t kMaxTotalBytes = std::size_t{256} << 20;

    TacSkinConvertor() = default;
    ~TacSkinConvertor() { Clear(); }
    TacSkinConvertor(const TacSkinConvertor&) = delete;
    TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

    std::int32_t ImageCount = 0;
    TacImageItems Files;
    std::unique_ptr<base::MemoryStream> Options;
    SkinWarning Warning = messageBoxWarning();

    // The archive to read: bytes the convertor keeps, or a view of bytes that stay with their
    // owner (the stored internal skin).
    void setPackedData(std::vector<std::uint8_t> bytes);
    void setPackedDataView(std::span<const std::uint8_t> bytes);
    void freePackedData();
    std::span<const std::uint8_t> packedData() const { return packed_; }
    bool hasPackedData() const { return !packed_.empty() || !ownedPacked_.empty(); }

    // Unpacks the packed data into Options and Files. Data without the magic gives the warning
    // box and an empty result (false). A damaged archive throws base::Error naming sourceName
    // (a file path or the stored skin's name) and leaves nothing unpacked behind.
    bool ExtractPackedData(const std::string& sourceName);

    // Frees the image items, the options and the packed data.
    void Clear();

    // The image item whose upper-cased name equals the given name, or null.
    const TacImageItem* findFile(std::string_view name) const;

private:
    std::vector<std::uint8_t> ownedPacked_;
    std::span<const std::uint8_t> packed_;

    void unpackEntries(const std::string& sourceName);
};

// Upper-cased names, as entries are compared with what an options file names.
inline constexpr const char* kOptionsFileName = "Options.dat";

}  // namespace skin
