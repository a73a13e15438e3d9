#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "plat/window_pos.h"

namespace fw::testing {
namespace {

// The main window's layout: a client panel holding a status bar at the bottom, a top panel with
// an edit and four buttons (two anchored right and bottom), a list panel on the left and the rest.
struct MainLayout {
    explicit MainLayout(TComponent* owner)
    {
        host = new HostWindow(owner);
        host->SetBounds(0, 0, 776, 506);
        client = Panel(host, alClient);
        status = Panel(client, alBottom);
        status->SetHeight(19);
        top = Panel(client, alTop);
        top->SetHeight(41);
        edit = Child(top, 5, 16, 323, 21, kDefaultAnchors);
        about = Child(top, 597, 3, 83, 34, {akRight, akBottom});
        close = Child(top, 685, 3, 83, 34, {akRight, akBottom});
        find = Child(top, 331, 4, 83, 34, kDefaultAnchors);
        left = Panel(client, alLeft);
        left->SetWidth(264);
        right = Panel(client, alClient);
    }
    static TestPanel* Panel(TWinControl* parent, TAlign align)
    {
        auto* p = new TestPanel(parent->Owner());
        p->SetAlign(align);
        p->SetParent(parent);
        return p;
    }
    static TestPanel* Child(TWinControl* parent, int l, int t, int w, int h, TAnchors anchors)
    {
        auto* p = new TestPanel(parent->Owner());
        p->SetBounds(l, t, w, h);
        p->SetAnchors(anchors);
        p->SetParent(parent);
        return p;
    }
    HostWindow* host;
    TestPanel *client, *status, *top, *edit, *about, *close, *find, *left, *right;
};

plat::RECT R(int l, int t, int w, int h) { return plat::RECT::fromSize(l, t, w, h); }

class Layout : public ControlsDesktop, public ::testing::WithParamInterface<bool> {};

TEST_P(Layout, MainWindowPanelsAndAnchorsFollowAResize)
{
    TComponent owner(nullptr);
    MainLayout f(&owner);
    if (GetParam()) f.host->HandleNeeded();  // the same with windows as without

    EXPECT_EQ(f.client->BoundsRect(), R(0, 0, 776, 506));
    EXPECT_EQ(f.status->BoundsRect(), R(0, 487, 776, 19));
    EXPECT_EQ(f.top->BoundsRect(), R(0, 0, 776, 41));
    EXPECT_EQ(f.left->BoundsRect(), R(0, 41, 264, 446));
    EXPECT_EQ(f.right->BoundsRect(), R(264, 41, 512, 446));

    f.host->SetBounds(0, 0, 976, 556);  // 200 wider, 50 taller
    EXPECT_EQ(f.top->BoundsRect(), R(0, 0, 976, 41));
    EXPECT_EQ(f.about->BoundsRect(), R(797, 3, 83, 34));  // keeps 96 to the right edge
    EXPECT_EQ(f.close->BoundsRect(), R(885, 3, 83, 34));
    EXPECT_EQ(f.edit->BoundsRect(), R(5, 16, 323, 21));
    EXPECT_EQ(f.find->BoundsRect(), R(331, 4, 83, 34));
    EXPECT_EQ(f.left->BoundsRect(), R(0, 41, 264, 496));
    EXPECT_EQ(f.right->BoundsRect(), R(264, 41, 712, 496));
    EXPECT_EQ(f.status->BoundsRect(), R(0, 537, 976, 19));

    // Narrower than designed, then back: the anchored buttons come back to where they were.
    f.host->SetBounds(0, 0, 500, 506);
    EXPECT_EQ(f.about->Left(), 321);
    f.host->SetBounds(0, 0, 776, 506);
    EXPECT_EQ(f.about->BoundsRect(), R(597, 3, 83, 34));
    if (GetParam()) {
        EXPECT_EQ(plat::WindowRect(f.about->WindowHandle()).width(), 83);
        plat::POINT p = f.about->ClientOrigin();
        EXPECT_EQ(p.x, 597);
    }
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutWindows, Layout, ::testing::Bool());

TEST_F(ControlsDesktop, AnchorsOnBothSidesStretchAndNeitherKeepsTheCentre)
{
    TComponent owner(nullptr);
    auto* host = new HostWindow(&owner);
    host->SetBounds(0, 0, 200, 100);
    auto* stretch = MainLayout::Child(host, 10, 10, 180, 80, {akLeft, akTop, akRight, akBottom});
    auto* centred = MainLayout::Child(host, 90, 40, 20, 20, {});
    host->SetBounds(0, 0, 400, 200);
    EXPECT_EQ(stretch->BoundsRect(), R(10, 10, 380, 180));
    EXPECT_EQ(centred->BoundsRect(), R(190, 90, 20, 20));

    // Hidden aligned controls take no room; showing one again re-lays the rest.
    auto* bar = MainLayout::Panel(host, alTop);
    bar->SetHeight(30);
    auto* fill = MainLayout::Panel(host, alClient);
    EXPECT_EQ(fill->BoundsRect(), R(0, 30, 400, 170));
    bar->Hide();
    EXPECT_EQ(fill->BoundsRect(), R(0, 0, 400, 200));
    bar->Show();
    EXPECT_EQ(fill->Top(), 30);
}

}  // namespace
}  // namespace fw::testing
