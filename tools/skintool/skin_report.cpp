#include "skin_report.h"

namespace skintool {

void printSkin(std::FILE* out, const skin::LoadedSkin& s)
{
    static const char* kKinds[] = {"border", "texture", "glyph"};
    std::fprintf(out, "version %g, %zu sections, %zu masks, %zu patterns, master %d x %d\n", s.SkinData.Version,
                 s.gd.size(), s.ma.size(), s.pa.size(), s.MasterBitmap.width(), s.MasterBitmap.height());
    for (const skin::TsGeneralData& g : s.gd) {
        std::fprintf(out, "[%s]%s%s\n", g.SectionName.c_str(), g.ParentClass.empty() ? "" : " parent ",
                     g.ParentClass.c_str());
        for (std::size_t i = 0; i < s.ma.size(); ++i) {
            const skin::TsMaskData& m = s.ma[i];
            if (m.SectionName != g.SectionName) continue;
            const gfx::Size f = s.GetMaskFrameSize(int(i));
            std::fprintf(out, "  %-16s %-7s %s(%d,%d)-(%d,%d) %d frames of %dx%d, borders %d %d %d %d, mask %d, stretch %d\n",
                         m.PropertyName.c_str(), kKinds[int(m.ImgType)], m.hasOwnImage() ? "own image " : "",
                         m.SourceRect.left, m.SourceRect.top, m.SourceRect.right, m.SourceRect.bottom,
                         int(m.ImageCount), f.width, f.height, s.MaskWidthLeft(int(i)), s.MaskWidthTop(int(i)),
                         s.MaskWidthRight(int(i)), s.MaskWidthBottom(int(i)), int(m.MaskType), int(m.StretchMode));
        }
    }
}

void printProblems(std::FILE* out, const std::vector<skin::SkinProblem>& problems)
{
    for (const skin::SkinProblem& p : problems)
        std::fprintf(out, "%s: [%s] %s, line %d: %s\n", p.fatal ? "error" : "warning", p.section.c_str(),
                     p.key.c_str(), p.line, p.text.c_str());
}

}  // namespace skintool
