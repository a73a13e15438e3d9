#include <filesystem>

#include "fw/graphics/bitmap.h"
#include "fw/graphics/image_list.h"
#include "gfx/image_file.h"
#include "graphics_fixture.h"

namespace fw {
namespace {

// Draws one sample of everything a control paints with and keeps it as a PNG in the test
// output, to be looked at: text in several fonts, frames, lines, glyphs plain and disabled.
TEST(GraphicsShot, ASampleOfCanvasDrawingIsWrittenForViewing)
{
    TBitmap shot(240, 120, pf24bit);
    TCanvas* c = shot.Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, 240, 120));

    c->Brush()->SetStyle(bsClear);
    c->TextOut(8, 6, "MS Sans Serif -11: Справочник");
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-16);
    c->Font()->SetStyle({fsBold});
    c->Font()->SetColor(clNavy);
    c->TextOut(8, 22, "Arial bold -16");
    c->Font()->SetStyle({fsUnderline});
    c->Font()->SetColor(clBlue);
    c->TextOut(8, 42, "http://example.org");

    c->Brush()->SetColor(clWindow);
    c->Pen()->SetColor(clBtnShadow);
    c->Rectangle(8, 66, 120, 112);
    c->Font()->Assign(TFont());
    c->TextRect(Rect(10, 68, 118, 110), 12, 70, "Clipped text that runs on past the frame");
    c->DrawFocusRect(Rect(10, 90, 118, 108));

    TImageList glyphs(nullptr, 16, 16);
    TBitmap glyph(16, 16, pf24bit);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
    glyph.Canvas()->Brush()->SetColor(clNavy);
    glyph.Canvas()->FillRect(Rect(3, 3, 13, 13));
    glyph.Canvas()->Brush()->SetColor(clYellow);
    glyph.Canvas()->FillRect(Rect(6, 6, 10, 10));
    glyphs.AddMasked(&glyph, clFuchsia);
    glyphs.Draw(c, 140, 70, 0);
    glyphs.Draw(c, 170, 70, 0, false);
    glyph.SetTransparent(true);
    c->StretchDraw(Rect(196, 62, 228, 94), &glyph);

    const TPoint zigzag[] = {{140, 100}, {160, 110}, {180, 100}, {200, 110}, {220, 100}};
    c->Pen()->SetColor(clRed);
    c->Polyline(zigzag);

    std::filesystem::create_directories(std::string(SENTAVIA_TEST_OUT) + "/fw");
    gfx::savePng(*shot.Image(), std::string(SENTAVIA_TEST_OUT) + "/fw/graphics_sample.png");
    EXPECT_EQ(shot.Canvas()->Pixels(196, 62), ColorToRGB(clBtnFace));  // the sprite's key left out
}

}  // namespace
}  // namespace fw
