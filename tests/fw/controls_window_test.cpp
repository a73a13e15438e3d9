#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "controls_fixture.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_styles.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace fw::testing {
namespace {

using namespace plat;

// A control over the platform button, as the standard controls wrap their classes.
class WrappedButton : public TWinControl {
    FW_CLASS(WrappedButton, TWinControl)
public:
    using TWinControl::TWinControl;
    std::vector<UINT> reflected;

protected:
    void CreateParams(TCreateParams& p) override
    {
        TWinControl::CreateParams(p);
        p.PlatformClass = "Button";
        p.Style |= BS_PUSHBUTTON;
    }
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == CN_COMMAND) {
            reflected.push_back(UINT(m.NotifyCode()));
            Click();
            return;
        }
        TWinControl::Dispatch(m);
    }
};

// Counts what passes through it and hands everything on to the procedure it replaced.
struct Spy {
    explicit Spy(TControl& c) : control(c), saved(c.WindowProc) { c.WindowProc = BindWndMethod<&Spy::Handle>(this); }
    void Handle(TMessage& m)
    {
        seen.push_back(m.Msg);
        if (m.Msg == WM_USER + 7) {
            m.Result = 42;
            return;
        }
        saved(m);
    }
    void Restore() { control.WindowProc = saved; }
    TControl& control;
    TWndMethod saved;
    std::vector<UINT> seen;
};

TEST_F(ControlsDesktop, WindowProcCanBeSavedReplacedChainedAndPutBack)
{
    HostWindow host(nullptr);
    host.SetBounds(10, 10, 200, 100);
    HWND h = host.Handle();
    TWndMethod original = host.WindowProc;
    {
        Spy outer(host);
        Spy inner2(host);  // a second hook on top of the first
        EXPECT_EQ(SendMessage(h, WM_USER + 7, 0, 0), 42);
        EXPECT_EQ(host.Perform(WM_SETTEXT, 0, LPARAM("Hooked")), TRUE);  // passed on to the platform
        EXPECT_EQ(GetWindowText(h), "Hooked");
        // The top hook answered 42 itself; everything else went down the chain.
        EXPECT_EQ(inner2.seen.front(), WM_USER + 7);
        EXPECT_EQ(outer.seen.front(), WM_SETTEXT);
        EXPECT_EQ(inner2.seen.size(), outer.seen.size() + 1);
        inner2.Restore();
        outer.Restore();
    }
    EXPECT_EQ(host.WindowProc, original);
    EXPECT_EQ(GetClassName(h), "HostWindow");
}

TEST_F(ControlsDesktop, OneOwnerFreesTheWindowAndAWindowDestroyedOutsideIsLetGo)
{
    auto* host = new HostWindow(nullptr);
    host->SetBounds(0, 0, 200, 100);
    auto* child = new TestPanel(host);
    child->SetParent(host);
    child->SetBounds(5, 5, 50, 20);
    HWND hostWnd = host->Handle();
    HWND childWnd = child->WindowHandle();
    ASSERT_TRUE(IsWindow(childWnd));
    EXPECT_EQ(TWinControl::FromHandle(childWnd), child);
    EXPECT_EQ(GetParent(childWnd), hostWnd);

    // From outside: the control lets go and makes a fresh window when asked again.
    DestroyWindow(childWnd);
    EXPECT_FALSE(child->HandleAllocated());
    HWND again = child->Handle();
    EXPECT_NE(again, childWnd);
    EXPECT_EQ(WindowRect(again), RECT::fromSize(5, 5, 50, 20));

    // Text typed into a window survives a re-creation.
    SetWindowText(again, "typed");
    child->RecreateWnd();
    EXPECT_EQ(child->Text(), "typed");
    EXPECT_EQ(GetWindowText(child->WindowHandle()), "typed");

    HWND last = child->WindowHandle();
    delete host;  // frees the child too, and both windows
    EXPECT_FALSE(IsWindow(hostWnd));
    EXPECT_FALSE(IsWindow(last));
}

TEST_F(ControlsDesktop, WrappedPlatformClassAnswersAsItselfAndGetsItsNotificationsBack)
{
    HostWindow host(nullptr);
    host.SetBounds(0, 0, 200, 100);
    auto* button = new WrappedButton(&host);
    button->SetBounds(10, 10, 80, 24);
    button->SetCaption("OK");
    button->SetParent(&host);
    int clicks = 0;
    button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    HWND b = button->Handle();
    EXPECT_EQ(GetClassName(b), "WrappedButton");
    EXPECT_EQ(GetWindowText(b), "OK");
    EXPECT_TRUE(button->Perform(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);
    SendMessage(b, BM_CLICK, 0, 0);
    EXPECT_EQ(button->reflected, (std::vector<UINT>{BN_CLICKED}));
    EXPECT_EQ(clicks, 1);
    // The same class again reuses the registration.
    auto* second = new WrappedButton(&host);
    second->SetParent(&host);
    EXPECT_TRUE(second->HandleAllocated());
}

// A graphic child: no window, clicks come through its parent.
class Spot : public TControl {
    FW_CLASS(Spot, TControl)
public:
    using TControl::TControl;
    std::vector<std::string> log;

protected:
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == CM_MOUSEENTER && m.LParam == 0) log.push_back("enter");
        if (m.Msg == CM_MOUSELEAVE && m.LParam == 0) log.push_back("leave");
        TControl::Dispatch(m);
    }
};

TEST_F(ControlsDesktop, GraphicChildGetsMouseInItsOwnCoordinatesAndHoverNotices)
{
    HostWindow host(nullptr);
    host.SetBounds(100, 100, 200, 100);
    auto* spot = new Spot(&host);
    spot->SetBounds(50, 20, 40, 30);
    spot->SetParent(&host);
    std::vector<std::string> events;
    spot->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    spot->OnClick = [&](TObject*) { events.push_back("click"); };
    host.Handle();
    desk.script().move(120, 120).move(155, 125).click(160, 130).move(250, 180);
    desk.run();
    EXPECT_EQ(events, (std::vector<std::string>{"down 10,10", "click"}));
    EXPECT_EQ(spot->log, (std::vector<std::string>{"enter", "leave"}));
    EXPECT_FALSE(spot->MouseCapture());

    // Pressed on it, released outside: no click.
    events.clear();
    desk.script().move(160, 130).press().move(290, 190).release();
    desk.run();
    EXPECT_EQ(events, (std::vector<std::string>{"down 10,10"}));
}

// Writes down the notifications a skinned control reacts to.
class Listener : public TestPanel {
    FW_CLASS(Listener, TestPanel)
public:
    using TestPanel::TestPanel;
    std::vector<std::string> log;

protected:
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == CM_SHOWINGCHANGED) log.push_back(Showing() ? "showing" : "hidden");
        if (m.Msg == CM_ENABLEDCHANGED) log.push_back(Enabled() ? "enabled" : "disabled");
        if (m.Msg == CM_TEXTCHANGED) log.push_back("text " + Text());
        TestPanel::Dispatch(m);
    }
};

TEST_F(ControlsDesktop, ShowingFollowsTheWindowAndItsParentsAndStateChangesAreNotified)
{
    HostWindow host(nullptr);
    host.SetVisible(false);
    host.SetBounds(0, 0, 200, 100);
    auto* panel = new TestPanel(&host);
    panel->SetParent(&host);
    auto* memo = new Listener(&host);
    memo->SetParent(panel);
    host.HandleNeeded();
    EXPECT_TRUE(memo->log.empty());  // a window, but its form is hidden
    ShowWindow(host.WindowHandle(), SW_SHOW);
    panel->Hide();
    panel->Show();
    memo->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(memo->WindowHandle()));
    memo->SetText("descr");
    memo->SetText("descr");  // no change, no notice
    DestroyWindow(memo->WindowHandle());
    EXPECT_EQ(memo->log,
              (std::vector<std::string>{"showing", "hidden", "showing", "disabled", "text descr", "hidden"}));
}

TEST_F(ControlsDesktop, AnExceptionFromAHandlerGoesToTheApplication)
{
    HostWindow host(nullptr);
    host.SetBounds(0, 0, 100, 100);
    host.OnClick = [](TObject*) { throw base::Error("Entry not found"); };
    HWND h = host.Handle();
    SendMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessage(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(app.errors, (std::vector<std::string>{"Entry not found"}));
    EXPECT_TRUE(IsWindow(h));
}

TEST_F(ControlsDesktop, TabOrderRunsDepthFirstAndSkipsWhatCannotTakeTheFocus)
{
    HostWindow host(nullptr);
    host.SetBounds(0, 0, 300, 200);
    auto make = [&](TWinControl* parent, bool tabStop) {
        auto* c = new TestPanel(&host);
        c->SetParent(parent);
        c->SetTabStop(tabStop);
        return c;
    };
    auto* top = make(&host, false);
    auto* edit = make(top, true);
    auto* b1 = make(top, true);
    auto* b2 = make(top, true);
    auto* grid = make(&host, true);
    b2->SetTabOrder(0);  // now first in its panel
    EXPECT_EQ(b2->TabOrder(), 0);
    EXPECT_EQ(edit->TabOrder(), 1);
    EXPECT_EQ(host.FindNextControl(nullptr, true, true, false), b2);
    EXPECT_EQ(host.FindNextControl(b2, true, true, false), edit);
    EXPECT_EQ(host.FindNextControl(b1, true, true, false), grid);
    EXPECT_EQ(host.FindNextControl(grid, true, true, false), b2);  // round again
    EXPECT_EQ(host.FindNextControl(b2, false, true, false), grid);
    edit->SetEnabled(false);
    grid->Hide();
    EXPECT_EQ(host.FindNextControl(b2, true, true, false), b1);
    EXPECT_EQ(host.FindNextControl(b1, true, true, false), b2);
    host.Handle();
    b1->SetFocus();
    EXPECT_TRUE(b1->Focused());
}

}  // namespace
}  // namespace fw::testing
