#include <gtest/gtest.h>

#include "base/error.h"
#include "base/letter_case.h"
#include "skin/model/image_entry.h"

namespace {

using skin::TacImgType;

struct Expect {
    const char* key;
    const char* value;
    bool isEntry;
    const char* file;  // "" for master entries
    gfx::Rect rect;
    int count, maskType, stretch, border;
    int wl, wt, wr, wb;
    TacImgType type;
};

TEST(ImageEntry, EveryNotation)
{
    using enum TacImgType;
    const Expect cases[] = {
        // Framed, borders given.
        {"BORDERSMASK", "^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5^1", true, "", {48, 19, 99, 40}, 3, 0, 5, 1, 8, 10, 8, 10, itisaBorder},
        // Framed, no borders: BorderWidth on every side, else a third of a frame.
        {"BORDERSMASK", "^0000^0000^0030^0012^0000^0000^0000^0000^1^0^0^1", true, "", {0, 0, 30, 12}, 1, 0, 0, 1, 1, 1, 1, 1, itisaBorder},
        {"BORDERSMASK", "^0000^0000^0090^0024^0000^0000^0000^0000^3^1^0^0", true, "", {0, 0, 90, 24}, 3, 1, 0, 0, 10, 4, 10, 4, itisaBorder},
        // A frame count of 0 counts as one frame rather than dividing by zero.
        {"BORDERSMASK", "^0000^0000^0030^0030^0000^0000^0000^0000^0^0^0^0", true, "", {0, 0, 30, 30}, 1, 0, 0, 0, 10, 10, 10, 10, itisaBorder},
        {"BICONCLOSE", "@0034@0000@0130@0018@3@0", true, "", {34, 0, 130, 18}, 3, 0, 0, 0, 0, 0, 0, 0, itisaGlyph},
        {"PATTERN", "~0010~0020~0030~0040~05", true, "", {10, 20, 30, 40}, 1, 0, 5, 0, 0, 0, 0, 0, itisaTexture},
        {"PATTERN", "~0010~0020~0030~0040~12~1", true, "", {10, 20, 30, 40}, 1, 1, 12, 0, 0, 0, 0, 0, itisaTexture},
        {"IMGTOPLEFT", "!TL.BMP!1!1!2", true, "TL.BMP", {}, 1, 1, 0, 0, 0, 0, 0, 0, itisaGlyph},
        {"BORDERSMASK", "!BUTTONHUGE.BMP!!3!1!0!0048!0048!0047!0047", true, "BUTTONHUGE.BMP", {}, 3, 1, 0, 0, 48, 48, 47, 47, itisaBorder},
        {"PATTERN", "!TEX.BMP!1!0!1", true, "TEX.BMP", {}, 1, 0, 0, 0, 0, 0, 0, 0, itisaTexture},
        // Legacy notation: names upper-cased, textures for the pattern keys.
        {"BordersMask", "# (0,0,30,12) (3,1,2)", true, "", {0, 0, 30, 12}, 3, 1, 1, 2, 2, 2, 2, 2, itisaBorder},
        {"BordersMask", "#(0,0,90,24)(3,-1)", true, "", {0, 0, 90, 24}, 3, 0, 1, 0, 10, 8, 10, 8, itisaBorder},
        {"HotPattern", "#(5,6,7,8)(0,0,0,4)", true, "", {5, 6, 7, 8}, 1, 0, 0, 0, 0, 0, 0, 0, itisaTexture},
        // A bare bitmap name: the whole file, three masked frames.
        {"BordersMask", "frame.bmp", true, "FRAME.BMP", {}, 3, 1, 0, 0, 0, 0, 0, 0, itisaBorder},
        // Not image entries.
        {"BORDERSMASK", "N/A", false, "", {}, 0, 0, 0, 0, 0, 0, 0, 0, itisaBorder},
        {"FADINGENABLED", "TRUE", false, "", {}, 0, 0, 0, 0, 0, 0, 0, 0, itisaBorder},
        {"COLOR", "15790320", false, "", {}, 0, 0, 0, 0, 0, 0, 0, 0, itisaBorder},
        {"GLOW0", "!GLOWBTN.PNG!1!0!3!0014!0014!0014!0014", false, "", {}, 0, 0, 0, 0, 0, 0, 0, 0, itisaBorder},
        {"X", "#", false, "", {}, 0, 0, 0, 0, 0, 0, 0, 0, itisaBorder},
        {"X", "!tl.bmp!1!1!2", false, "", {}, 0, 0, 0, 0, 0, 0, 0, 0, itisaBorder},
    };
    for (const Expect& c : cases) {
        SCOPED_TRACE(c.value);
        const auto e = skin::parseImageEntry("Sec", c.key, c.value);
        ASSERT_EQ(e.has_value(), c.isEntry);
        if (!e) continue;
        EXPECT_EQ(e->fileName, c.file);
        const skin::TsMaskData& m = e->mask;
        if (e->fileName.empty()) {
            EXPECT_EQ(m.SourceRect, c.rect);
        }
        EXPECT_EQ(m.ImageCount, c.count);
        EXPECT_EQ(m.MaskType, c.maskType);
        EXPECT_EQ(m.StretchMode, c.stretch);
        EXPECT_EQ(m.BorderWidth, c.border);
        if (e->fileName.empty() || c.wl != 0) {
            EXPECT_EQ((std::array<int, 4>{m.WL, m.WT, m.WR, m.WB}), (std::array<int, 4>{c.wl, c.wt, c.wr, c.wb}));
        }
        EXPECT_EQ(m.ImgType, c.type);
        const bool upper = c.value[0] == '#' || c.file[0] == 'F';
        EXPECT_EQ(m.SectionName, upper ? "SEC" : "Sec");
        EXPECT_EQ(m.PropertyName, upper ? base::toUpper(c.key) : std::string(c.key));
    }
}

TEST(ImageEntry, FieldsThatAreNoNumbersAreErrors)
{
    const char* bad[] = {
        "^00x8^0019^0099^0040^0008^0010^0008^0010^3^0^5^1",
        "^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5",  // cut short
        "@0034@0000@0130@0018@x@0",
        "~0010~0020~0030~0040",
        "!A.BMP!1!1!0!0001",                 // five to seven words
        "!A.BMP!1!1!0!0001!0002!0003",
        "!A.BMP!1!1",                        // no kind
        "!A.BMP!1!1!7",                      // no such kind
        "#(0,0,x,4)(1,0)",
    };
    for (const char* v : bad) EXPECT_THROW(skin::parseImageEntry("S", "K", v), base::Error) << v;
}

}  // namespace
