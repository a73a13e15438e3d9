#include "skin/manager/skin_manager.h"

#include <algorithm>
#include <cstdio>

#include "base/error.h"
#include "base/file.h"
#include "base/format.h"
#include "base/letter_case.h"
#include "plat/system/sys_colors.h"
#include "skin/manager/skin_engine_state.h"
#include "skin/manager/skin_paths.h"
#include "skin/model/skin_loader.h"
#include "skin/pack/load_packed_skin_file.h"

namespace skin {

namespace {

std::string_view textOf(const base::MemoryStream& s)
{
    return {reinterpret_cast<const char*>(s.data()), s.size()};
}

}  // namespace

TsSkinManager::TsSkinManager(fw::TComponent* owner) : fw::TComponent(owner), programFolder_(skin::programFolder())
{
    // The first manager of the run is the default one.
    if (TsSkinEngineState* state = TsSkinEngineState::Find(true); state && !state->DefaultManager)
        state->DefaultManager = this;
}

TsSkinManager::~TsSkinManager()
{
    active_ = false;
    skin_.reset();
    if (TsSkinEngineState* state = TsSkinEngineState::Find(false); state && state->DefaultManager == this)
        state->DefaultManager = nullptr;
}

void TsSkinManager::SetActive(bool on)
{
    if (on == active_) return;
    active_ = on;
    if (Loading()) return;
    if (on) {
        changeSkin();
    } else {
        skin_.reset();
        constData_ = {};
    }
}

void TsSkinManager::SetSkinName(const std::string& name)
{
    skinName_ = name;
    if (active_ && !Loading()) changeSkin();
}

void TsSkinManager::SetSkinDirectory(const std::string& dir)
{
    if (dir == skinDirectory_) return;
    skinDirectory_ = dir;
    if (active_ && !Loading() && !skinName_.empty()) changeSkin();
}

void TsSkinManager::SetCommonSections(const std::string& text)
{
    commonSections_ = text;
    if (active_ && !Loading() && !skinName_.empty()) changeSkin();
}

void TsSkinManager::Loaded()
{
    fw::TComponent::Loaded();
    if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
    if (active_ && !skinName_.empty()) changeSkin();
}

std::string TsSkinManager::SkinInfo() const
{
    if (!skin_) return "N/A";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", skin_->SkinData.Version);
    std::string s = buf;
    // Without trailing zeros, as the number reads ("6.03", "6.1", "5").
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.')) s.pop_back();
    return s;
}

std::string TsSkinManager::GetFullSkinDirectory() const { return fullSkinDirectory(skinDirectory_, programFolder_); }

std::string TsSkinManager::GetSkinNames(std::vector<std::string>& names, int kind) const
{
    names.clear();
    for (const TsStoredSkin& s : internalSkins_) names.push_back(s.Name);
    for (std::string& n : skinsInFolder(GetFullSkinDirectory(), kind)) names.push_back(std::move(n));
    const std::string first = names.empty() ? std::string() : names.front();
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return base::compareIgnoreCase(a, b) < 0; });
    return first;
}

void TsSkinManager::changeSkin()
{
    if (OnBeforeChange) OnBeforeChange(*this);
    if (skin_) skin_->SkinData.Active = false;
    if (!loadSkin()) {
        active_ = false;
        skin_.reset();
        constData_ = {};
    }
    if (OnAfterChange) OnAfterChange(*this);
}

bool TsSkinManager::loadSkin()
{
    const std::string full = GetFullSkinDirectory();
    std::unique_ptr<OptionsText> common;
    if (!commonSections_.empty()) common = std::make_unique<OptionsText>(OptionsText::parse(commonSections_));
    const FolderImageSource commonImages(full);

    // A packed file beats a folder of the same name. One that is no archive (the user has been
    // warned) is passed over as if it were not there.
    const std::string packedPath = base::joinPath(full, skinName_ + ".asz");
    std::unique_ptr<TacSkinConvertor> packed;
    if (base::fileExists(packedPath) && LoadPackedSkinFile(packedPath, packed, true, warning_)) {
        const OptionsText options = OptionsText::parseBytes(textOf(*packed->Options));
        const ArchiveImageSource images(*packed);
        auto loaded = std::make_unique<LoadedSkin>(
            skin::loadSkin({&options, &images, common.get(), &commonImages}, packedPath, this));
        loaded->SkinData.SkinPath = full + "/";
        isPacked_ = true;
        finishLoad(std::move(loaded));
        return true;
    }

    const std::string folder = base::joinPath(full, skinName_);
    const FolderImageSource folderImages(folder);
    const std::string optionsPath = folderImages.resolve(kOptionsFileName);
    if (!skinName_.empty() && !optionsPath.empty()) {
        const OptionsText options = OptionsText::parseBytes(base::readFileBytes(optionsPath));
        const FolderImageSource folderCommon(folder);
        auto loaded = std::make_unique<LoadedSkin>(
            skin::loadSkin({&options, &folderImages, common.get(), &folderCommon}, folder, this));
        loaded->SkinData.SkinPath = folder + "/";
        isPacked_ = false;
        finishLoad(std::move(loaded));
        return true;
    }

    // Neither: the internal skin of that name, else the first one.
    if (internalSkins_.empty()) return false;
    auto stored = std::find_if(internalSkins_.begin(), internalSkins_.end(),
                               [&](const TsStoredSkin& s) { return s.Name == skinName_; });
    if (stored == internalSkins_.end()) {
        stored = internalSkins_.begin();
        skinName_ = stored->Name;
    }
    TacSkinConvertor archive;
    archive.Warning = warning_;
    archive.setPackedDataView(stored->Data);
    const bool unpacked = archive.ExtractPackedData(stored->Name);
    archive.freePackedData();
    if (!unpacked) return false;
    const OptionsText options = OptionsText::parseBytes(textOf(*archive.Options));
    const ArchiveImageSource images(archive);
    auto loaded = std::make_unique<LoadedSkin>(
        skin::loadSkin({&options, &images, common.get(), &commonImages}, stored->Name, this));
    isPacked_ = true;
    finishLoad(std::move(loaded));
    return true;
}

void TsSkinManager::finishLoad(std::unique_ptr<LoadedSkin> loaded)
{
    skin_ = std::move(loaded);
    constData_ = computeConstData(*skin_);
    skin_->SkinData.Active = true;
}

int TsSkinManager::GetSkinIndex(std::string_view section) const { return skin_ ? skin_->GetSkinIndex(section) : -1; }

int TsSkinManager::GetMaskIndex(int sectionIndex, std::string_view section, std::string_view key) const
{
    return skin_ ? skin_->GetMaskIndex(sectionIndex, section, key) : -1;
}

int TsSkinManager::FindMaskIndex(std::string_view section, std::string_view key) const
{
    return skin_ ? skin_->FindMaskIndex(section, key) : -1;
}

int TsSkinManager::GetTextureIndex(int sectionIndex, std::string_view section, std::string_view key) const
{
    return skin_ ? skin_->GetTextureIndex(sectionIndex, section, key) : -1;
}

int TsSkinManager::GetPatternIndex(int sectionIndex, std::string_view section, std::string_view key) const
{
    return skin_ ? skin_->GetPatternIndex(sectionIndex, section, key) : -1;
}

gfx::Color TsSkinManager::GetGlobalColor() const
{
    const int i = GetSkinIndex("GLOBALINFO");
    return i >= 0 ? plat::ColorToRGB(skin_->gd[std::size_t(i)].Color)
                  : plat::ColorToRGB(plat::SystemColor(plat::COLOR_BTNFACE));
}

gfx::Color TsSkinManager::GetGlobalFontColor() const
{
    const int i = GetSkinIndex("GLOBALINFO");
    return i >= 0 ? plat::ColorToRGB(std::uint32_t(skin_->gd[std::size_t(i)].FontColor[0])) : gfx::kKeyColor;
}

gfx::Color TsSkinManager::GetGlobalHotColor() const
{
    const int i = GetSkinIndex("GLOBALINFO");
    return i >= 0 ? plat::ColorToRGB(skin_->gd[std::size_t(i)].HotColor)
                  : plat::ColorToRGB(plat::SystemColor(plat::COLOR_WINDOW));
}

}  // namespace skin
