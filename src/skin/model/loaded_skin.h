#pragma once

#include <string_view>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "skin/model/general_data.h"
#include "skin/model/mask_data.h"
#include "skin/model/skin_data.h"

namespace skin {

// A skin in memory: what every painter reads. Indexes are positions in the arrays; -1 is none.
// Section and key names are compared exactly, as the engine asks for them in upper case.
struct LoadedSkin {
    TsSkinData SkinData;
    gfx::Bitmap MasterBitmap;  // 24 bits; 0xFF00FF is transparent
    TsGeneralDataArray gd;
    TsMaskArray ma;
    TsPatternArray pa;

    int GetSkinIndex(std::string_view section) const;
    // The first mask of this section and key, else of the section's parents in turn.
    int GetMaskIndex(int sectionIndex, std::string_view section, std::string_view key) const;
    // The first mask of this section and key, without parents.
    int FindMaskIndex(std::string_view section, std::string_view key) const;
    // As GetMaskIndex, over textures only.
    int GetTextureIndex(int sectionIndex, std::string_view section, std::string_view key) const;
    // As GetMaskIndex, over the large JPEG patterns.
    int GetPatternIndex(int sectionIndex, std::string_view section, std::string_view key) const;

    bool IsValidSkinIndex(int i) const { return i >= 0 && std::size_t(i) < gd.size(); }
    bool IsValidImgIndex(int i) const { return i >= 0 && std::size_t(i) < ma.size(); }

    // Border widths of a mask: its own, else BorderWidth, else a third of a frame.
    int MaskWidthLeft(int mask) const;
    int MaskWidthTop(int mask) const;
    int MaskWidthRight(int mask) const;
    int MaskWidthBottom(int mask) const;
    // Size of one state frame.
    gfx::Size GetMaskFrameSize(int mask) const;
};

}  // namespace skin
