#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "forms_fixture.h"
#include "fw/stdctrls/button.h"
#include "fw/stdctrls/label.h"
#include "fw/stdctrls/memo.h"
#include "fw/stdctrls/panel.h"
#include "fw/stdctrls/status_bar.h"
#include "fw/stdctrls/timer.h"
#include "plat/controls/status_bar_class.h"
#include "plat/controls/status_bar_messages.h"
#include "plat/controls/edit_styles.h"
#include "plat/message_queue.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"

namespace fw::testing {
namespace {

using namespace plat;

// A form with a panel holding an edit, a memo, a label, and OK (default) and Cancel buttons.
class TStdForm : public TForm {
    FW_CLASS(TStdForm, TForm)
public:
    explicit TStdForm(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 400, 300);
        panel = new TPanel(this);
        panel->SetAlign(alClient);
        panel->SetParent(this);
        label = Place<TLabel>(panel, 10, 4, 10, 10);
        edit = Place<TEdit>(panel, 10, 20, 200, 21);
        memo = Place<TMemo>(panel, 10, 50, 200, 100);
        ok = Place<TButton>(panel, 220, 20, 75, 25);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        cancel = Place<TButton>(panel, 220, 50, 75, 25);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
    }
    TPanel* panel;
    TLabel* label;
    TEdit* edit;
    TMemo* memo;
    TButton* ok;
    TButton* cancel;
};

class StdControls : public FormsDesktop {
protected:
    void SetUp() override { app.CreateForm(form); }
    POINT Centre(TControl* c) { return c->ClientToScreen({c->Width() / 2, c->Height() / 2}); }
    TStdForm* form = nullptr;
};

TEST_F(StdControls, LabelSizesItselfToItsText)
{
    TLabel* label = form->label;
    label->SetCaption("Search");
    int oneLine = label->Height();
    int shortWidth = label->Width();
    EXPECT_GT(oneLine, 8);
    label->SetCaption("Search the book");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_EQ(label->Height(), oneLine);
    // The accelerator mark takes no room; an empty caption still holds one line.
    int plain = label->Width();
    label->SetCaption("Search the &book");
    EXPECT_EQ(label->Width(), plain);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), oneLine);

    // Right-aligned, it keeps its right edge; wrapped, its width.
    label->SetCaption("Search");
    label->SetAlignment(taRightJustify);
    int right = label->Left() + label->Width();
    label->SetCaption("Search the book");
    EXPECT_EQ(label->Left() + label->Width(), right);
    label->SetAlignment(taLeftJustify);
    label->SetWidth(60);
    label->SetWordWrap(true);
    label->SetCaption("one two three four five six");
    EXPECT_EQ(label->Width(), 60);
    EXPECT_GE(label->Height(), 3 * oneLine);

    label->SetAutoSize(false);
    label->SetBounds(10, 4, 30, 5);
    label->SetCaption("a much longer caption than before");
    EXPECT_EQ(label->Width(), 30);
    EXPECT_EQ(label->Height(), 5);
}

TEST_F(StdControls, DefaultAndCancelButtonsAnswerEnterAndEscape)
{
    int okClicks = 0;
    form->ok->OnClick = [&](TObject*) { ++okClicks; };
    int cancelClicks = 0;
    form->cancel->OnClick = [&](TObject*) { ++cancelClicks; };
    // Enter in the edit clicks the default button and ends the run with its result.
    desk.script().type("abc").key(VK_RETURN);
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(form->edit->Text(), "abc");

    desk.script().key(VK_ESCAPE);
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(cancelClicks, 1);

    // A focused other button takes Enter for itself; the default one no longer answers it.
    desk.script()
        .call([&] {
            form->cancel->SetFocus();
            EXPECT_FALSE(form->ok->ActiveDefault());
            EXPECT_TRUE(form->cancel->ActiveDefault());
        })
        .key(VK_RETURN);
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 2);

    // A memo that wants Enter (and so Escape) keeps them; one that does not leaves them to the form.
    desk.script()
        .call([&] { form->memo->SetFocus(); })
        .type("a")
        .key(VK_RETURN)
        .type("b")
        .key(VK_ESCAPE)
        .call([&] {
            EXPECT_EQ(form->memo->Lines()->Count(), 2);
            EXPECT_TRUE(form->Visible());
            form->memo->SetWantReturns(false);
            form->memo->SetFocus();
        })
        .key(VK_RETURN)
        .call([&] { EXPECT_EQ(form->memo->Lines()->Count(), 2); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(okClicks, 2);
}

TEST_F(StdControls, MemoLinesStayInStepWithItsWindow)
{
    TMemo* memo = form->memo;
    TStrings* lines = memo->Lines();
    lines->Add("first");
    lines->Add("second");
    EXPECT_EQ(memo->Text(), "first\r\nsecond");  // before the window exists
    form->Show();
    HWND h = memo->WindowHandle();
    ASSERT_TRUE(h);
    EXPECT_EQ(GetWindowText(h), "first\r\nsecond");
    EXPECT_EQ(SendMessage(h, EM_GETLINECOUNT, 0, 0), 2);

    lines->Insert(1, "middle");
    lines->Put(0, "top");
    EXPECT_EQ(GetWindowText(h), "top\r\nmiddle\r\nsecond");
    lines->Delete(2);
    EXPECT_EQ(lines->Count(), 2);

    // What the window holds is what the lines say, whatever its line breaks.
    SetWindowText(h, "a\nb\rc\r\n");
    EXPECT_EQ(lines->Count(), 3);
    EXPECT_EQ(lines->Strings(2), "c");
    EXPECT_THROW(lines->Strings(3), base::Error);

    // The text survives a new window (a scroll bar change makes one).
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    memo->SetScrollBars(ssVertical);
    EXPECT_NE(memo->WindowHandle(), h);
    EXPECT_TRUE(GetWindowStyle(memo->WindowHandle()) & WS_VSCROLL);
    EXPECT_EQ(lines->Text(), "a\r\nb\r\nc\r\n");
    lines->SetText("x\ny");
    EXPECT_GE(changes, 1);
    EXPECT_EQ(GetWindowText(memo->WindowHandle()), "x\r\ny");
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
}

TEST_F(StdControls, EditKeepsItsSettingsThroughANewWindow)
{
    TEdit* edit = form->edit;
    edit->SetMaxLength(3);
    edit->SetReadOnly(true);
    form->Show();
    HWND h = edit->WindowHandle();
    EXPECT_TRUE(GetWindowStyle(h) & ES_READONLY);
    edit->SetReadOnly(false);
    edit->SetText("he");
    edit->SetFocus();
    edit->SetSelStart(2);
    for (char c : std::string("llo")) SendMessage(h, WM_CHAR, WPARAM(c), 0);
    EXPECT_EQ(edit->Text(), "hel");  // typing stops at the limit
    edit->SetText("aяb");
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    EXPECT_EQ(edit->SelText(), "я");  // selections count characters

    edit->SetCtl3D(false);  // a new window with a flat border
    EXPECT_NE(edit->WindowHandle(), h);
    EXPECT_TRUE(GetWindowStyle(edit->WindowHandle()) & WS_BORDER);
    EXPECT_EQ(edit->Text(), "aяb");
    EXPECT_EQ(SendMessage(edit->WindowHandle(), EM_GETLIMITTEXT, 0, 0), 3);
}

TEST_F(StdControls, PanelLaysOutInsideItsBevelsAndBorder)
{
    TPanel* panel = form->panel;
    EXPECT_EQ(panel->ClientRect(), RECT::fromSize(0, 0, form->ClientWidth(), form->ClientHeight()));
    auto* inner = new TPanel(form);
    inner->SetAlign(alClient);
    inner->SetParent(panel);
    EXPECT_EQ(inner->BoundsRect(), RECT(1, 1, panel->Width() - 1, panel->Height() - 1));
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    EXPECT_EQ(inner->BoundsRect(), RECT(7, 7, panel->Width() - 7, panel->Height() - 7));
}

TEST_F(StdControls, StatusBarHandsItsPanelsAndSimpleTextToTheWindow)
{
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    TStatusPanel* name = bar->Panels()->Add();
    name->SetText("Entries");
    name->SetWidth(80);
    TStatusPanel* count = bar->Panels()->Add();
    count->SetText("12");
    count->SetAlignment(taRightJustify);
    form->Show();
    HWND h = bar->WindowHandle();
    ASSERT_TRUE(h);
    // Docked at the bottom under the panel, which takes the rest.
    EXPECT_EQ(bar->BoundsRect(), RECT(0, form->ClientHeight() - 19, form->ClientWidth(), form->ClientHeight()));
    EXPECT_EQ(form->panel->Height(), form->ClientHeight() - 19);
    int edges[2] = {};
    EXPECT_EQ(SendMessage(h, SB_GETPARTS, 2, LPARAM(edges)), 2);
    EXPECT_EQ(edges[0], 80);
    EXPECT_EQ(edges[1], -1);
    EXPECT_EQ(StatusBarText(h, 0), "Entries");
    EXPECT_EQ(StatusBarText(h, 1), "\t\t12");
    form->label->SetCaption("&Search:");
    form->memo->Lines()->SetText("Первая строка\nSecond line");
    form->Update();
    app.ProcessMessages();
    desk.saveScreenshot(SENTAVIA_TEST_OUT "/fw_standard_controls.png");

    // Changes reach the window at once; a new window gets them all again.
    name->SetWidth(120);
    count->SetText("13");
    bar->SetSimpleText("Ready");
    bar->SetSimplePanel(true);
    EXPECT_TRUE(SendMessage(h, SB_ISSIMPLE, 0, 0));
    bar->SetSizeGrip(false);
    h = bar->WindowHandle();
    EXPECT_FALSE(GetWindowStyle(h) & SBARS_SIZEGRIP);
    EXPECT_TRUE(SendMessage(h, SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(StatusBarText(h, int(SB_SIMPLEID)), "Ready");
    EXPECT_EQ(StatusBarText(h, 1), "\t\t13");
    SendMessage(h, SB_GETPARTS, 2, LPARAM(edges));
    EXPECT_EQ(edges[0], 120);
    bar->Panels()->Delete(0);
    EXPECT_EQ(SendMessage(h, SB_GETPARTS, 0, 0), 1);
    form->Hide();
    delete bar;
}

TEST_F(StdControls, TimerCallsItsHandlerWhileEnabled)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(50);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    EXPECT_TRUE(timer.Running());
    desk.advance(160);
    app.ProcessMessages();
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    desk.advance(200);
    app.ProcessMessages();
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(true);
    timer.SetInterval(0);  // no interval: it does not run
    EXPECT_FALSE(timer.Running());
}

}  // namespace
}  // namespace fw::testing
