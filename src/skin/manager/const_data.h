#pragma once

#include "skin/model/loaded_skin.h"

namespace skin {

// Indexes painters need most, looked up once after every load (-1 where the skin has none).
struct TacScrollPart {
    int SkinIndex = -1;
    int MaskIndex = -1;
    int GlyphIndex = -1;
    int PatternIndex = -1;
    int HotPatternIndex = -1;
};

struct TConstantSkinData {
    int GlobalInfoIndex = -1;
    int CheckBoxChecked = -1, CheckBoxUnChecked = -1, CheckBoxGrayed = -1;
    int RadioButtonChecked = -1, RadioButtonUnChecked = -1, RadioButtonGrayed = -1;
    int SmallBoxChecked = -1, SmallBoxUnChecked = -1, SmallBoxGrayed = -1;
    TacScrollPart Tabs[4];         // TABTOP, TABBOTTOM, TABLEFT, TABRIGHT (section and border)
    TacScrollPart ScrollButtons[4];  // SCROLLBTNTOP, SCROLLBTNBOTTOM, SCROLLBTNLEFT, SCROLLBTNRIGHT
    TacScrollPart Sliders[2];      // SCROLLSLIDERV, SCROLLSLIDERH
    TacScrollPart ScrollBars[4];   // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V
    TacScrollPart ComboButton;     // COMBOBTN; its glyph is COMBOBOX's
};

TConstantSkinData computeConstData(const LoadedSkin& skin);

}  // namespace skin
