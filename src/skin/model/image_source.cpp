#include "skin/model/image_source.h"

#include <filesystem>
#include <system_error>

#include "base/file.h"
#include "base/letter_case.h"
#include "gfx/image_file.h"
#include "skin/pack/skin_convertor.h"

namespace skin {

std::string FolderImageSource::resolve(std::string_view name) const
{
    if (name.empty()) return {};
    const std::string path = base::joinPath(folder_, name);
    if (base::fileExists(path)) return path;
    const std::string parent = base::parentPath(path);
    const std::string wanted = base::fileName(path);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(parent.empty() ? "." : parent, ec)) {
        const std::string candidate = entry.path().filename().string();
        if (base::equalsIgnoreCase(candidate, wanted) && base::fileExists(entry.path().string()))
            return entry.path().string();
    }
    return {};
}

std::optional<ImageBytes> FolderImageSource::read(std::string_view name) const
{
    const std::string path = resolve(name);
    if (path.empty()) return std::nullopt;
    const std::string bytes = base::readFileBytes(path, gfx::kMaxImageFileBytes);
    ImageBytes out;
    out.owned.assign(bytes.begin(), bytes.end());
    return out;
}

std::string FolderImageSource::describe(std::string_view name) const { return base::joinPath(folder_, name); }

std::optional<ImageBytes> ArchiveImageSource::read(std::string_view name) const
{
    const TacImageItem* item = archive_.findFile(name);
    if (!item) return std::nullopt;
    ImageBytes out;
    out.shared = item->Data.bytes();
    return out;
}

std::string ArchiveImageSource::describe(std::string_view name) const { return std::string(name); }

}  // namespace skin
