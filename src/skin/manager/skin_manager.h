#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fw/classes/component.h"
#include "skin/manager/const_data.h"
#include "skin/model/loaded_skin.h"
#include "skin/pack/skin_warning.h"

namespace skin {

// A skin kept in the window resource: its name and its packed archive.
struct TsStoredSkin {
    std::string Name;  // found by exact comparison
    std::vector<std::uint8_t> Data;
};

// Owns the current skin: where skins are, which one is wanted, whether skinning is on, and the
// skins that travel inside the program. Painters ask it for section and mask indexes.
class TsSkinManager : public fw::TComponent {
    FW_CLASS(TsSkinManager, fw::TComponent, "Active", "CommonSections", "InternalSkins", "SkinDirectory",
             "SkinName", "SkinInfo", "HueOffset", "Saturation", "IsDefault")
public:
    static constexpr const char* kDefaultSkinDirectory = "c:\\Skins";
    static constexpr const char* kVersion = "5.32";

    explicit TsSkinManager(fw::TComponent* owner);
    ~TsSkinManager() override;

    bool Active() const { return active_; }
    void SetActive(bool on);
    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& name);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& dir);
    // Extra options text merged over every skin.
    const std::string& CommonSections() const { return commonSections_; }
    void SetCommonSections(const std::string& text);
    std::vector<TsStoredSkin>& InternalSkins() { return internalSkins_; }
    const std::vector<TsStoredSkin>& InternalSkins() const { return internalSkins_; }
    // The loaded skin's format version with "." as decimal point, "N/A" with none.
    std::string SkinInfo() const;
    std::string Version() const { return kVersion; }
    // Hue and saturation are kept; applying them to the skin comes with the colour routines.
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int v) { hueOffset_ = v; }
    int Saturation() const { return saturation_; }
    void SetSaturation(int v) { saturation_ = v; }
    bool IsDefault() const { return isDefault_; }
    void SetIsDefault(bool v) { isDefault_ = v; }

    // The program's folder, against which relative skin directories are read.
    const std::string& ProgramFolder() const { return programFolder_; }
    void SetProgramFolder(const std::string& folder) { programFolder_ = folder; }
    // How an archive that is not one is reported (the framework's message box in the program).
    void SetWarning(SkinWarning warning) { warning_ = std::move(warning); }

    std::function<void(TsSkinManager&)> OnBeforeChange;
    std::function<void(TsSkinManager&)> OnAfterChange;

    std::string GetFullSkinDirectory() const;
    // Internal skins first, then skins found in the skin directory, sorted regardless of case.
    // Answers the first name added (an internal skin when there are any).
    std::string GetSkinNames(std::vector<std::string>& names, int kind = 2) const;

    // The loaded skin, or null while skinning is off.
    const LoadedSkin* Skin() const { return skin_.get(); }
    bool IsPacked() const { return isPacked_; }
    const TConstantSkinData& ConstData() const { return constData_; }

    int GetSkinIndex(std::string_view section) const;
    int GetMaskIndex(int sectionIndex, std::string_view section, std::string_view key) const;
    int FindMaskIndex(std::string_view section, std::string_view key) const;
    int GetTextureIndex(int sectionIndex, std::string_view section, std::string_view key) const;
    int GetPatternIndex(int sectionIndex, std::string_view section, std::string_view key) const;
    bool IsValidSkinIndex(int i) const { return skin_ && skin_->IsValidSkinIndex(i); }
    bool IsValidImgIndex(int i) const { return skin_ && skin_->IsValidImgIndex(i); }
    gfx::Color GetGlobalColor() const;
    gfx::Color GetGlobalFontColor() const;
    gfx::Color GetGlobalHotColor() const;

    void Loaded() override;

private:
    bool active_ = true;
    bool isDefault_ = true;
    bool isPacked_ = false;
    std::string skinName_;
    std::string skinDirectory_ = kDefaultSkinDirectory;
    std::string commonSections_;
    std::string programFolder_;
    int hueOffset_ = 0;
    int saturation_ = 0;
    std::vector<TsStoredSkin> internalSkins_;
    SkinWarning warning_ = messageBoxWarning();
    std::unique_ptr<LoadedSkin> skin_;
    TConstantSkinData constData_;

    void changeSkin();
    // Loads the wanted skin; false when there is none to load (skinning then goes off).
    bool loadSkin();
    void finishLoad(std::unique_ptr<LoadedSkin> loaded);
};

}  // namespace skin
