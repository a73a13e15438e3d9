#include "fw/dialogs/message_dialog.h"

#include <algorithm>
#include <memory>

#include "base/error.h"
#include "fw/forms/application.h"
#include "fw/stdctrls/button.h"
#include "fw/stdctrls/image.h"
#include "fw/stdctrls/label.h"
#include "plat/dialogs/message_box.h"
#include "plat/dialogs/message_box_icons.h"
#include "plat/gdi/dc.h"

namespace fw {

using namespace plat;

namespace {

struct ButtonKind {
    const char* name;
    const char* caption;
    TModalResult result;
};

// In the order the buttons stand in the row.
constexpr ButtonKind kButtons[] = {
    {"Yes", "&Yes", mrYes},          {"No", "&No", mrNo},           {"OK", "OK", mrOk},
    {"Cancel", "Cancel", mrCancel},  {"Abort", "&Abort", mrAbort},  {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore}, {"All", "&All", mrAll},        {"NoToAll", "N&o to All", mrNoToAll},
    {"YesToAll", "Yes to &All", mrYesToAll}, {"Help", "&Help", mrNone},
};

const char* Title(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
    }
    return nullptr;
}

UINT IconFlags(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return MB_ICONWARNING;
    case mtError: return MB_ICONERROR;
    case mtInformation: return MB_ICONINFORMATION;
    case mtConfirmation: return MB_ICONQUESTION;
    case mtCustom: break;
    }
    return 0;
}

constexpr int kMargin = 10;
constexpr int kSpacing = 12;
constexpr int kButtonHeight = 25;
constexpr int kButtonMinWidth = 75;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 420;

}  // namespace

TMessageForm::TMessageForm(TComponent* owner, std::string_view message, TMsgDlgType type, TMsgDlgButtons buttons)
    : TForm(owner)
{
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    TApplication* app = Application();
    const char* title = Title(type);
    SetCaption(title ? std::string(title) : app ? app->Title() : std::string());
    if (buttons.Empty()) buttons = TMsgDlgButtons{mbOK};

    int textLeft = kMargin;
    if (UINT icon = IconFlags(type)) {
        image_ = new TImage(this);
        image_->SetName("Image");
        image_->SetBounds(kMargin, kMargin, kMessageBoxIconSize, kMessageBoxIconSize);
        image_->SetIcon(CreateMessageBoxIcon(icon));
        image_->SetParent(this);
        textLeft += kMessageBoxIconSize + kSpacing;
    }

    message_ = new TLabel(this);
    message_->SetName("Message");
    message_->SetShowAccelChar(false);
    message_->SetLeft(textLeft);
    message_->SetTop(kMargin);
    message_->SetCaption(message);
    message_->SetParent(this);
    if (message_->Width() > kMaxTextWidth) {
        message_->SetWidth(kMaxTextWidth);
        message_->SetWordWrap(true);
    }
    int textBottom = message_->Top() + message_->Height();
    if (image_) {
        textBottom = std::max(textBottom, image_->Top() + image_->Height());
        // A one-line text stands level with the icon's middle.
        if (message_->Height() < kMessageBoxIconSize)
            message_->SetTop(kMargin + (kMessageBoxIconSize - message_->Height()) / 2);
    }

    // The buttons, as wide as the widest caption needs.
    int buttonWidth = kButtonMinWidth;
    if (HDC dc = CreateCompatibleDC({})) {
        TCanvas measure;
        measure.SetHandle(dc);
        measure.Font()->Assign(*Font());
        for (std::size_t i = 0; i < std::size(kButtons); ++i)
            if (buttons.Contains(TMsgDlgBtn(i)))
                buttonWidth = std::max(buttonWidth, measure.TextWidth(kButtons[i].caption) + 16);
        measure.SetHandle({});
        DeleteDC(dc);
    }
    int count = 0;
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        if (buttons.Contains(TMsgDlgBtn(i))) ++count;
    int rowWidth = count * buttonWidth + (count - 1) * kButtonGap;
    int clientWidth = std::max(message_->Left() + message_->Width() + kMargin, rowWidth + 2 * kMargin);
    int buttonTop = textBottom + kSpacing;
    SetClientWidth(clientWidth);
    SetClientHeight(buttonTop + kButtonHeight + kMargin);

    TMsgDlgBtn defaultButton = buttons.Contains(mbOK) ? mbOK : buttons.Contains(mbYes) ? mbYes : TMsgDlgBtn(-1);
    TMsgDlgBtn cancelButton = buttons.Contains(mbCancel) ? mbCancel
                              : buttons.Contains(mbNo)   ? mbNo
                                                         : mbOK;
    int x = (clientWidth - rowWidth) / 2;
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        auto kind = TMsgDlgBtn(i);
        if (!buttons.Contains(kind)) continue;
        auto* b = new TButton(this);
        b->SetName(kButtons[i].name);
        b->SetCaption(kButtons[i].caption);
        b->SetModalResult(kButtons[i].result);
        b->SetDefault(kind == defaultButton);
        b->SetCancel(kind == cancelButton);
        b->SetBounds(x, buttonTop, buttonWidth, kButtonHeight);
        b->SetParent(this);
        buttons_[i] = b;
        x += buttonWidth + kButtonGap;
    }
    // The default button comes first in tab order, so it has the focus when the form opens.
    if (defaultButton != TMsgDlgBtn(-1)) buttons_[int(defaultButton)]->SetTabOrder(0);
}

TButton* TMessageForm::Button(TMsgDlgBtn button) const
{
    auto i = std::size_t(button);
    return i < std::size(buttons_) ? buttons_[i] : nullptr;
}

TMessageForm* CreateMessageDialog(std::string_view message, TMsgDlgType type, TMsgDlgButtons buttons)
{
    TApplication* app = Application();
    if (!app) throw base::Error("A message is shown only while an application runs");
    return new TMessageForm(app, message, type, buttons);
}

int MessageDlg(std::string_view message, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(message, type, buttons));
    TModalResult result = form->ShowModal();
    return result == mrNone ? mrCancel : result;
}

void ShowMessage(std::string_view message) { MessageDlg(message, mtCustom, {mbOK}); }

}  // namespace fw
