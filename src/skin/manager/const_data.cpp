#include "skin/manager/const_data.h"

namespace skin {

namespace {

TacScrollPart part(const LoadedSkin& s, const char* section, bool glyph, bool patterns)
{
    TacScrollPart p;
    p.SkinIndex = s.GetSkinIndex(section);
    p.MaskIndex = s.GetMaskIndex(p.SkinIndex, section, "BORDERSMASK");
    if (glyph && p.SkinIndex >= 0) p.GlyphIndex = s.GetMaskIndex(p.SkinIndex, section, "GLYPHMASK");
    if (patterns) {
        p.PatternIndex = s.GetMaskIndex(p.SkinIndex, section, "PATTERN");
        p.HotPatternIndex = s.GetMaskIndex(p.SkinIndex, section, "HOTPATTERN");
    }
    return p;
}

}  // namespace

TConstantSkinData computeConstData(const LoadedSkin& s)
{
    TConstantSkinData c;
    c.GlobalInfoIndex = s.GetSkinIndex("GLOBALINFO");
    if (c.GlobalInfoIndex >= 0) {
        auto mask = [&](const char* key) { return s.GetMaskIndex(c.GlobalInfoIndex, "GLOBALINFO", key); };
        c.CheckBoxChecked = mask("BOXCHECKED");
        c.CheckBoxUnChecked = mask("BOXUNCHECKED");
        c.CheckBoxGrayed = mask("BOXGRAYED");
        c.RadioButtonChecked = mask("RADIOCHECKED");
        c.RadioButtonUnChecked = mask("RADIOUNCHECKED");
        c.RadioButtonGrayed = mask("RADIOGRAYED");
        c.SmallBoxChecked = mask("SMALLCHECKED");
        c.SmallBoxUnChecked = mask("SMALLUNCHECKED");
        c.SmallBoxGrayed = mask("SMALLGRAYED");
    }
    const char* tabs[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    const char* buttons[] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
    const char* bars[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
    for (int i = 0; i < 4; ++i) {
        c.Tabs[i] = part(s, tabs[i], false, false);
        c.ScrollButtons[i] = part(s, buttons[i], true, true);
        c.ScrollBars[i] = part(s, bars[i], false, true);
    }
    c.Sliders[0] = part(s, "SCROLLSLIDERV", true, true);
    c.Sliders[1] = part(s, "SCROLLSLIDERH", true, true);
    // The combo button's border and the combo box's glyph are taken without inheritance.
    c.ComboButton.SkinIndex = s.GetSkinIndex("COMBOBTN");
    c.ComboButton.MaskIndex = s.FindMaskIndex("COMBOBTN", "BORDERSMASK");
    c.ComboButton.PatternIndex = s.GetTextureIndex(c.ComboButton.SkinIndex, "COMBOBTN", "PATTERN");
    c.ComboButton.HotPatternIndex = s.GetTextureIndex(c.ComboButton.SkinIndex, "COMBOBTN", "HOTPATTERN");
    c.ComboButton.GlyphIndex = s.FindMaskIndex("COMBOBOX", "GLYPHMASK");
    return c;
}

}  // namespace skin
