#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "fw/controls/custom_control.h"
#include "fw/controls/graphic_control.h"
#include "plat/paint.h"

namespace fw::testing {
namespace {

class Swatch : public TCustomControl {
    FW_CLASS(Swatch, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(TRect{2, 2, 8, 8});
    }
};

class Dot : public TGraphicControl {
    FW_CLASS(Dot, TGraphicControl)
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect(TRect{0, 0, Width(), Height()});
    }
};

TEST_F(ControlsDesktop, CustomAndGraphicControlsPaintOverTheirColour)
{
    HostWindow host(nullptr);
    host.SetColor(clWhite);
    host.SetBounds(0, 0, 120, 80);
    auto* swatch = new Swatch(&host);
    swatch->SetBounds(10, 10, 30, 30);
    swatch->SetParent(&host);
    swatch->SetColor(clLime);
    auto* dot = new Dot(&host);
    dot->SetBounds(60, 10, 10, 10);
    dot->SetParent(&host);
    host.Handle();
    plat::UpdateWindow(host.Handle());
    plat::UpdateWindow(swatch->Handle());
    gfx::Bitmap shot = desk.windowShot(host.Handle());
    auto at = [&](int x, int y) { return TColor(shot.pixel(x, y) & 0xFFFFFF); };
    EXPECT_EQ(at(100, 60), clWhite);        // the host's background
    EXPECT_EQ(at(10 + 20, 10 + 20), clLime);  // the swatch's own colour behind its painting
    EXPECT_EQ(at(10 + 4, 10 + 4), clRed);     // what Paint drew
    EXPECT_EQ(at(65, 15), clBlue);            // the graphic child, in its own coordinates
    EXPECT_EQ(at(75, 15), clWhite);
    EXPECT_EQ(swatch->paints, 1);
}

TEST_F(ControlsDesktop, ParentColourAndFontFollowUntilAControlHasItsOwn)
{
    HostWindow host(nullptr);
    host.SetColor(clBtnFace);
    host.Font()->SetHeight(-15);
    auto* follows = new TestPanel(&host);
    follows->SetParent(&host);
    auto* own = new TestPanel(&host);
    own->SetColor(clWhite);
    own->Font()->SetName("Arial");
    own->SetParent(&host);
    EXPECT_EQ(follows->Color(), clBtnFace);
    EXPECT_EQ(follows->Font()->Height(), -15);
    EXPECT_TRUE(follows->ParentFont());
    EXPECT_FALSE(own->ParentColor());
    EXPECT_FALSE(own->ParentFont());

    host.SetColor(clYellow);
    host.Font()->SetHeight(-20);
    EXPECT_EQ(follows->Color(), clYellow);
    EXPECT_EQ(follows->Font()->Height(), -20);
    EXPECT_TRUE(follows->ParentFont());
    EXPECT_EQ(own->Color(), clWhite);
    EXPECT_EQ(own->Font()->Height(), -11);

    own->SetParentFont(true);
    EXPECT_EQ(own->Font()->Name(), host.Font()->Name());
}

}  // namespace
}  // namespace fw::testing
