#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class TacSkinConvertor;

// An image file's bytes: read into memory, or a view of bytes that its source keeps.
struct ImageBytes {
    std::vector<std::uint8_t> owned;
    std::span<const std::uint8_t> shared;
    std::span<const std::uint8_t> view() const { return owned.empty() ? shared : std::span<const std::uint8_t>(owned); }
};

// Where a skin's image files come from.
class SkinImageSource {
public:
    virtual ~SkinImageSource() = default;
    // The file's bytes, or nullopt when there is no such file.
    virtual std::optional<ImageBytes> read(std::string_view name) const = 0;
    // The name as a user would look for it, for messages.
    virtual std::string describe(std::string_view name) const = 0;
};

// Files of a skin folder. A name starting with "/" is a path of its own; others lie in the
// folder. Skins are often written where file names ignore letter case, so a name that is not
// there as written is matched in any case.
class FolderImageSource : public SkinImageSource {
public:
    explicit FolderImageSource(std::string folder) : folder_(std::move(folder)) {}
    std::optional<ImageBytes> read(std::string_view name) const override;
    std::string describe(std::string_view name) const override;
    // The existing path the name stands for, or empty.
    std::string resolve(std::string_view name) const;

private:
    std::string folder_;
};

// Image items of an unpacked archive, found by their upper-cased names.
class ArchiveImageSource : public SkinImageSource {
public:
    explicit ArchiveImageSource(const TacSkinConvertor& archive) : archive_(archive) {}
    std::optional<ImageBytes> read(std::string_view name) const override;
    std::string describe(std::string_view name) const override;

private:
    const TacSkinConvertor& archive_;
};

}  // namespace skin
