#include "skin/model/loaded_skin.h"

namespace skin {

namespace {

// Walks a section and its parents; a chain that loops ends after every section has been seen.
template <typename Match>
int searchWithParents(const LoadedSkin& s, int sectionIndex, std::string_view section, Match match)
{
    std::string_view name = section;
    for (std::size_t steps = 0; steps <= s.gd.size(); ++steps) {
        if (sectionIndex < 0 || name.empty()) return -1;
        const int found = match(name);
        if (found >= 0) return found;
        if (!s.IsValidSkinIndex(sectionIndex)) return -1;
        const std::string& parent = s.gd[std::size_t(sectionIndex)].ParentClass;
        if (parent.empty() || parent == name) return -1;
        sectionIndex = s.GetSkinIndex(parent);
        name = parent;
    }
    return -1;
}

int frameCount(const TsMaskData& m) { return m.ImageCount < 1 ? 1 : m.ImageCount; }

}  // namespace

int LoadedSkin::GetSkinIndex(std::string_view section) const
{
    for (std::size_t i = 0; i < gd.size(); ++i)
        if (gd[i].SectionName == section) return int(i);
    return -1;
}

int LoadedSkin::FindMaskIndex(std::string_view section, std::string_view key) const
{
    if (section.empty()) return -1;
    for (std::size_t i = 0; i < ma.size(); ++i)
        if (ma[i].SectionName == section && ma[i].PropertyName == key) return int(i);
    return -1;
}

int LoadedSkin::GetMaskIndex(int sectionIndex, std::string_view section, std::string_view key) const
{
    return searchWithParents(*this, sectionIndex, section,
                             [&](std::string_view name) { return FindMaskIndex(name, key); });
}

int LoadedSkin::GetTextureIndex(int sectionIndex, std::string_view section, std::string_view key) const
{
    if (ma.empty()) return -1;
    return searchWithParents(*this, sectionIndex, section, [&](std::string_view name) {
        for (std::size_t i = 0; i < ma.size(); ++i)
            if (ma[i].ImgType == TacImgType::itisaTexture && ma[i].SectionName == name && ma[i].PropertyName == key)
                return int(i);
        return -1;
    });
}

int LoadedSkin::GetPatternIndex(int sectionIndex, std::string_view section, std::string_view key) const
{
    if (pa.empty()) return -1;
    return searchWithParents(*this, sectionIndex, section, [&](std::string_view name) {
        for (std::size_t i = 0; i < pa.size(); ++i)
            if (pa[i].SectionName == name && pa[i].PropertyName == key) return int(i);
        return -1;
    });
}

int LoadedSkin::MaskWidthLeft(int mask) const
{
    const TsMaskData& m = ma[std::size_t(mask)];
    if (m.WL > 0) return m.WL;
    if (m.BorderWidth > 0) return m.BorderWidth;
    return GetMaskFrameSize(mask).width / 3;
}

int LoadedSkin::MaskWidthTop(int mask) const
{
    const TsMaskData& m = ma[std::size_t(mask)];
    if (m.WT > 0) return m.WT;
    if (m.BorderWidth > 0) return m.BorderWidth;
    return GetMaskFrameSize(mask).height / 3;
}

int LoadedSkin::MaskWidthRight(int mask) const
{
    const TsMaskData& m = ma[std::size_t(mask)];
    if (m.WR > 0) return m.WR;
    if (m.BorderWidth > 0) return m.BorderWidth;
    return GetMaskFrameSize(mask).width / 3;
}

int LoadedSkin::MaskWidthBottom(int mask) const
{
    const TsMaskData& m = ma[std::size_t(mask)];
    if (m.WB > 0) return m.WB;
    if (m.BorderWidth > 0) return m.BorderWidth;
    return GetMaskFrameSize(mask).height / 3;
}

gfx::Size LoadedSkin::GetMaskFrameSize(int mask) const
{
    const TsMaskData& m = ma[std::size_t(mask)];
    if (m.hasOwnImage()) return {m.Image->width() / 3, m.Image->height() / 2};
    return {m.SourceRect.width() / frameCount(m), m.SourceRect.height() / (std::max<int>(m.MaskType, 0) + 1)};
}

}  // namespace skin
