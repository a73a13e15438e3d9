#include "opened_skin.h"

#include <cstdio>
#include <filesystem>

#include "base/error.h"
#include "base/file.h"
#include "base/format.h"
#include "base/letter_case.h"
#include "skin/internal/internal_skin.h"
#include "skin/pack/load_packed_skin_file.h"

namespace skintool {

namespace {

std::string optionsText(const skin::TacSkinConvertor& c)
{
    const auto& bytes = c.Options->bytes();
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

skin::SkinWarning printedWarning()
{
    return [](const std::string& text, const std::string& caption) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    };
}

skin::LoadedSkin OpenedSkin::load(std::vector<skin::SkinProblem>* problems) const
{
    skin::SkinSources src{&options, images.get()};
    return skin::loadSkin(src, name, nullptr, problems);
}

OpenedSkin openSkin(const std::string& path)
{
    OpenedSkin s;
    s.name = path;
    if (base::directoryExists(path)) {
        std::string optionsPath;
        for (const auto& e : std::filesystem::directory_iterator(path))
            if (base::equalsIgnoreCase(e.path().filename().string(), skin::kOptionsFileName))
                optionsPath = e.path().string();
        if (optionsPath.empty())
            throw base::Error(base::format("%s holds no %s", path, skin::kOptionsFileName));
        s.options = skin::OptionsText::parseBytes(base::readFileBytes(optionsPath));
        s.images = std::make_unique<skin::FolderImageSource>(path);
        return s;
    }
    if (!base::fileExists(path)) throw base::Error(base::format("%s is neither a skin folder nor a skin archive", path));
    if (!skin::LoadPackedSkinFile(path, s.archive, true, printedWarning()))
        throw base::Error(base::format("%s is not a packed skin file", path));
    s.options = skin::OptionsText::parseBytes(optionsText(*s.archive));
    s.images = std::make_unique<skin::ArchiveImageSource>(*s.archive);
    return s;
}

OpenedSkin openInternalSkin()
{
    OpenedSkin s;
    s.name = skin::kInternalSkinName;
    s.archive = std::make_unique<skin::TacSkinConvertor>();
    s.archive->Warning = printedWarning();
    s.archive->setPackedDataView(skin::internalSkinArchive());
    if (!s.archive->ExtractPackedData(s.name)) throw base::Error("The internal skin is not a packed skin");
    s.archive->freePackedData();
    s.options = skin::OptionsText::parseBytes(optionsText(*s.archive));
    s.images = std::make_unique<skin::ArchiveImageSource>(*s.archive);
    return s;
}

}  // namespace skintool
