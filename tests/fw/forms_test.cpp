#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "controls_fixture.h"
#include "forms_fixture.h"
#include "fw/forms/form_resource.h"
#include "plat/dialogs/message_box.h"
#include "plat/input.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace fw::testing {
namespace {

using namespace plat;

std::vector<std::string> journal;

class Part : public TComponent {
    FW_CLASS(Part, TComponent)
public:
    Part(TComponent* owner, const char* name) : TComponent(owner) { SetName(name); }
    void Loaded() override
    {
        TComponent::Loaded();
        journal.push_back(Name() + " loaded");
    }
};

class TForm1;
TForm1* Form1 = nullptr;
bool failLoading = false;

// The main window's shape: built in resource order, the data parts loaded before the create
// handler runs.
class TForm1 : public TForm {
    FW_CLASS(TForm1, TForm)
public:
    explicit TForm1(TComponent* owner) : TForm(owner)
    {
        TFormResource resource(*this);
        SetName("Form1");
        SetCaption("Form1");
        SetBounds(309, 221, 784, 533);
        journal.push_back("client " + std::to_string(ClientWidth()) + "x" + std::to_string(ClientHeight()));
        panel = new TestPanel(this);
        panel->SetAlign(alClient);
        panel->SetParent(this);
        edit = Place<TestEdit>(panel, 5, 16, 323, 21);
        about = Place<TestButton>(panel, 597, 3, 83, 34);
        about->SetAnchors({akRight, akBottom});
        closeButton = Place<TestButton>(panel, 685, 3, 83, 34);
        closeButton->SetAnchors({akRight, akBottom});
        closeButton->OnClick = [this](TObject*) { Close(); };
        new Part(this, "ADOConnection1");
        if (failLoading) throw base::Error("The database file quillex.dat cannot be opened.");
        new Part(this, "ADOQuery1");
        OnCreate = [this](TObject*) {
            journal.push_back(std::string("create, Form1 ") + (Form1 == this ? "set" : "unset") + ", " +
                              (FindComponent("ADOQuery1")->Loading() ? "loading" : "loaded"));
            SetCaption("Sentavia reference");
        };
        resource.Finish();
    }
    TestPanel* panel;
    TestEdit* edit;
    TestButton* about;
    TestButton* closeButton;
};

class Forms : public FormsDesktop {
protected:
    void SetUp() override
    {
        journal.clear();
        Form1 = nullptr;
        failLoading = false;
        app.SetTitle("Sentavia");
    }
    POINT Centre(TControl* c) { return c->ClientToScreen({c->Width() / 2, c->Height() / 2}); }
    // Queues a click on the control where it is now (for the last step of a script).
    void ClickOn(TControl* c) { desk.script().click(Centre(c).x, Centre(c).y); }
};

TEST_F(Forms, MainFormLoadsInResourceOrderThenRunsItsCreateHandlerAndLaysOutOnResize)
{
    app.CreateForm(Form1);
    ASSERT_NE(Form1, nullptr);
    EXPECT_EQ(app.MainForm(), Form1);
    EXPECT_EQ(journal, (std::vector<std::string>{"client 776x506", "ADOConnection1 loaded", "ADOQuery1 loaded",
                                                 "create, Form1 set, loaded"}));
    EXPECT_EQ(Form1->Caption(), "Sentavia reference");
    EXPECT_FALSE(Form1->Visible());

    desk.script()
        .call([&] {
            EXPECT_EQ(GetClassName(Form1->WindowHandle()), "TForm1");
            EXPECT_EQ(GetWindowText(Form1->WindowHandle()), "Sentavia reference");
            EXPECT_EQ(WindowRect(Form1->WindowHandle()), RECT::fromSize(309, 221, 784, 533));
            EXPECT_TRUE(Form1->edit->Focused());  // the first control in tab order
            EXPECT_EQ(Screen()->ActiveForm(), Form1);
            desk.saveScreenshot(SENTAVIA_TEST_OUT "/fw_main_form.png");
            Form1->SetWidth(984);
            EXPECT_EQ(Form1->about->Left(), 797);
            EXPECT_EQ(Form1->edit->Left(), 5);
            ClickOn(Form1->closeButton);
        });
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_TRUE(IsWindow(Form1->WindowHandle()));  // the form lives on until the application goes
}

TEST_F(Forms, AnErrorWhileTheMainFormLoadsIsShownAndEndsTheProgram)
{
    failLoading = true;
    std::string shown;
    bool withIcon = false;
    desk.script()
        .call([&] {
            shown = MessageBoxText("Sentavia");
            withIcon = bool(GetDlgItem(FindWindow("#32770", "Sentavia"), kMessageBoxIconId));
        })
        .key(VK_RETURN);
    app.CreateForm(Form1);
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(shown, "The database file quillex.dat cannot be opened.");
    EXPECT_TRUE(withIcon);
    EXPECT_EQ(journal, (std::vector<std::string>{"client 776x506"}));  // nothing half-built was loaded
    app.Run();  // returns at once
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(app.MainForm(), nullptr);
}

TEST_F(Forms, AnErrorReachingTheLoopIsShownAndTheProgramGoesOn)
{
    app.CreateForm(Form1);
    Form1->about->OnClick = [](TObject*) { throw base::Error("Nothing was found."); };
    std::string shown;
    desk.script()
        .click(Centre(Form1->about).x, Centre(Form1->about).y)
        .call([&] { shown = MessageBoxText("Sentavia"); })
        .key(VK_RETURN)
        .call([&] {
            EXPECT_FALSE(app.Terminated());
            EXPECT_EQ(MessageBoxText("Sentavia"), "");
            Form1->closeButton->Click();
        });
    app.Run();
    EXPECT_EQ(shown, "Nothing was found.");
}

TEST_F(Forms, TabAndShiftTabMoveTheFocusAndEnterAndExitFollow)
{
    app.CreateForm(Form1);
    auto* second = Place<TestEdit>(Form1->panel, 5, 50, 100, 21);
    second->SetTabOrder(1);
    std::vector<std::string> moves;
    for (TWinControl* c : std::vector<TWinControl*>{Form1->edit, second, Form1->about}) {
        c->OnEnter = [&moves, c](TObject*) { moves.push_back("enter " + std::to_string(c->TabOrder())); };
        c->OnExit = [&moves, c](TObject*) { moves.push_back("exit " + std::to_string(c->TabOrder())); };
    }
    desk.script()
        .key(VK_TAB)
        .call([&] { EXPECT_TRUE(second->Focused()); })
        .key(VK_TAB)
        .call([&] { EXPECT_TRUE(Form1->about->Focused()); })
        .chord(VK_SHIFT, VK_TAB)
        .call([&] {
            EXPECT_TRUE(second->Focused());
            EXPECT_EQ(Form1->ActiveControl(), second);
            EXPECT_EQ(Screen()->ActiveControl(), second);
            delete second;  // the focused control goes: nothing keeps pointing at it
            EXPECT_EQ(Form1->ActiveControl(), nullptr);
        })
        .key(VK_TAB)
        .call([&] { EXPECT_TRUE(Form1->edit->Focused()); })
        .chord(VK_MENU, VK_F4);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(moves, (std::vector<std::string>{"enter 0", "exit 0", "enter 1", "exit 1", "enter 2", "exit 2",
                                               "enter 1", "enter 0"}));
}

TEST_F(Forms, EnterReachesTheEditWithoutADefaultButtonAndKeyPreviewSeesKeysFirst)
{
    app.CreateForm(Form1);
    int searches = 0;
    Form1->edit->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN) ++searches;
    };
    std::vector<unsigned short> previewed;
    desk.script()
        .key(VK_RETURN)
        .chord(VK_SHIFT, VK_RETURN)
        .chord(VK_CONTROL, VK_RETURN)
        .call([&] {
            EXPECT_EQ(searches, 3);
            Form1->SetKeyPreview(true);
            Form1->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) {
                previewed.push_back(key);
                key = 0;  // swallowed before the edit sees it
            };
        })
        .key(VK_RETURN)
        .call([&] { app.Terminate(); });
    app.Run();
    EXPECT_EQ(searches, 3);
    EXPECT_EQ(previewed, (std::vector<unsigned short>{VK_RETURN}));
}

// A dialog with OK (default) and Cancel (cancel) buttons and an edit.
class TDialog : public TForm {
    FW_CLASS(TDialog, TForm)
public:
    explicit TDialog(TComponent* owner) : TForm(owner)
    {
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetBounds(0, 0, 300, 150);
        edit = Place<TestEdit>(this, 10, 10, 200, 21);
        ok = Place<TestButton>(this, 10, 80, 75, 25);
        ok->modalResult = mrOk;
        ok->isDefault = true;
        cancel = Place<TestButton>(this, 100, 80, 75, 25);
        cancel->modalResult = mrCancel;
        cancel->isCancel = true;
    }
    TestEdit* edit;
    TestButton* ok;
    TestButton* cancel;
};

TEST_F(Forms, ModalFormEndsByItsButtonsByEnterAndEscapeAndMayRefuse)
{
    app.CreateForm(Form1);
    TDialog* dialog = nullptr;
    app.CreateForm(dialog);
    Form1->Show();
    desk.script().call([&] { ClickOn(dialog->ok); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(IsWindowEnabled(Form1->WindowHandle()));

    desk.script().call([&] {
        EXPECT_FALSE(IsWindowEnabled(Form1->WindowHandle()));  // the main form waits
        RECT r = dialog->BoundsRect();  // centred in the work area
        EXPECT_EQ(r.left, (1024 - 300) / 2);
    }).key(VK_ESCAPE);
    EXPECT_EQ(dialog->ShowModal(), mrCancel);

    int asked = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    // The click on OK gave it the focus; typing goes to the edit once it has it again.
    desk.script()
        .call([&] { dialog->edit->SetFocus(); })
        .type("x")
        .key(VK_RETURN)
        .call([&] { EXPECT_TRUE(dialog->Visible()); })
        .key(VK_RETURN);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dialog->edit->Text(), "x");
}

TEST_F(Forms, ModalRunEndsCleanlyWhenItsFormGoesOrTheInputRunsOut)
{
    app.CreateForm(Form1);
    Form1->Show();
    TDialog* dialog = nullptr;
    app.CreateForm(dialog);
    // Freed by its own handler in the middle of the run.
    desk.script().call([&] { delete dialog; });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_TRUE(IsWindowEnabled(Form1->WindowHandle()));
    EXPECT_EQ(Screen()->FormCount(), 1);

    // An error that ends the run (here: no more input) leaves the other windows enabled.
    TDialog* second = nullptr;
    app.CreateForm(second);
    EXPECT_THROW(second->ShowModal(), base::Error);
    EXPECT_TRUE(IsWindowEnabled(Form1->WindowHandle()));
    EXPECT_FALSE(second->Modal());
    EXPECT_FALSE(second->Visible());
    // Closed with "free": answered, then released.
    second->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    desk.script().call([&] { ClickOn(second->ok); });
    EXPECT_EQ(second->ShowModal(), mrOk);
    app.ProcessMessages();
    EXPECT_EQ(Screen()->FormCount(), 1);
}

TEST_F(Forms, ClosingASecondFormHidesOrFreesItAndTheScreenForgetsIt)
{
    app.CreateForm(Form1);
    TDialog* dialog = nullptr;
    app.CreateForm(dialog);
    EXPECT_EQ(Screen()->FormCount(), 2);
    dialog->Show();
    dialog->Close();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(app.Terminated());
    dialog->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    dialog->Show();
    dialog->Close();
    app.ProcessMessages();  // the release is queued
    EXPECT_EQ(Screen()->FormCount(), 1);
    EXPECT_EQ(app.ComponentCount(), 2);  // the screen and the main form
}

}  // namespace
}  // namespace fw::testing
