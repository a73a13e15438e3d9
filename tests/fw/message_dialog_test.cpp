#include <gtest/gtest.h>

#include <string>

#include "forms_fixture.h"
#include "fw/dialogs/message_dialog.h"
#include "fw/stdctrls/button.h"
#include "fw/stdctrls/image.h"
#include "fw/stdctrls/label.h"
#include "plat/message_queue.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"

namespace fw::testing {
namespace {

using namespace plat;

class MessageDialogs : public FormsDesktop {
protected:
    // The message form on screen now.
    static TMessageForm* Shown()
    {
        return As<TMessageForm>(TWinControl::FromHandle(FindWindow("TMessageForm", {})));
    }
    void ClickOn(TControl* c)
    {
        POINT p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
        desk.script().click(p.x, p.y);
    }
};

TEST_F(MessageDialogs, FormHasTheNamedPartsTheSkinLooksFor)
{
    std::unique_ptr<TMessageForm> form(CreateMessageDialog("Nothing was found.", mtInformation, {mbOK}));
    EXPECT_EQ(form->ClassName(), "TMessageForm");
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(form->Caption(), "Information");
    EXPECT_EQ(form->FindComponent("Image"), form->Image());
    ASSERT_NE(form->Image(), nullptr);
    EXPECT_TRUE(form->Image()->Icon());
    auto* label = As<TLabel>(form->FindComponent("Message"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Nothing was found.");
    auto* ok = As<TButton>(form->FindComponent("OK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->Default());
    EXPECT_TRUE(ok->Cancel());
    // Text right of the icon, the button centred below both.
    EXPECT_GT(label->Left(), form->Image()->Left() + form->Image()->Width());
    EXPECT_GT(ok->Top(), label->Top() + label->Height());
    EXPECT_LE(std::abs(ok->Left() + ok->Width() / 2 - form->ClientWidth() / 2), 1);
    EXPECT_LE(label->Left() + label->Width(), form->ClientWidth());

    // A long text wraps instead of making the form wider than the screen.
    std::unique_ptr<TMessageForm> wide(CreateMessageDialog(std::string(400, 'w') + " end", mtError, mbYesNoCancel));
    EXPECT_LT(wide->Width(), 1024);
    EXPECT_EQ(wide->Caption(), "Error");
    EXPECT_NE(wide->Button(mbYes), nullptr);
    EXPECT_EQ(wide->Button(mbOK), nullptr);
    EXPECT_TRUE(wide->Button(mbCancel)->Cancel());
    EXPECT_TRUE(wide->Button(mbYes)->Default());
}

TEST_F(MessageDialogs, AnsweredByKeysAndByClick)
{
    app.SetTitle("Sentavia");
    struct Case {
        const char* what;
        TMsgDlgButtons buttons;
        unsigned short key;   // 0: click the button
        TMsgDlgBtn clicked;
        int expected;
    };
    const Case cases[] = {
        {"Enter takes OK", mbOKCancel, VK_RETURN, mbOK, mrOk},
        {"Escape takes Cancel", mbOKCancel, VK_ESCAPE, mbOK, mrCancel},
        {"Escape takes No without Cancel", mbYesNo, VK_ESCAPE, mbOK, mrNo},
        {"Escape takes a lone OK", TMsgDlgButtons{mbOK}, VK_ESCAPE, mbOK, mrOk},
        {"a click on No", mbYesNoCancel, 0, mbNo, mrNo},
        {"a click on Retry", mbAbortRetryIgnore, 0, mbRetry, mrRetry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string caption;
        desk.script().call([&] {
            TMessageForm* form = Shown();
            ASSERT_NE(form, nullptr);
            caption = form->Caption();
            if (!c.key) ClickOn(form->Button(c.clicked));
            });
        if (c.key) desk.script().key(c.key);
        EXPECT_EQ(MessageDlg("Delete the entry?", mtConfirmation, c.buttons), c.expected);
        EXPECT_EQ(caption, "Confirm");
        EXPECT_EQ(Shown(), nullptr);  // gone again
    }
    // Closed by its frame it answers Cancel.
    desk.script().call([&] { PostMessage(Shown()->WindowHandle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(MessageDlg("Custom", mtCustom, mbYesNo), mrCancel);
}

}  // namespace
}  // namespace fw::testing
