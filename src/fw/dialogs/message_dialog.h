#pragma once

#include <string>
#include <string_view>

#include "fw/classes/set.h"
#include "fw/forms/form.h"

namespace fw {

class TButton;
class TImage;
class TLabel;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
using enum TMsgDlgType;

enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
using enum TMsgDlgBtn;
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The form of a message: class "TMessageForm", a dialog frame, the kind's icon ("Image"), the
// text ("Message") and one button per answer, named after it ("OK", "Cancel", "Yes" …), in a
// centred row below. OK (else Yes) is the default button; Cancel (else No, else OK) answers
// Escape. Skinning code finds the form, its label and its buttons by these names and classes.
class TMessageForm : public TForm {
    FW_CLASS(TMessageForm, TForm)
public:
    TMessageForm(TComponent* owner, std::string_view message, TMsgDlgType type, TMsgDlgButtons buttons);

    TImage* Image() const { return image_; }
    TLabel* Message() const { return message_; }
    // The button of an answer, or null.
    TButton* Button(TMsgDlgBtn button) const;

private:
    TImage* image_ = nullptr;
    TLabel* message_ = nullptr;
    TButton* buttons_[11] = {};
};

// Makes the form, owned by the application; the caller shows and frees it.
TMessageForm* CreateMessageDialog(std::string_view message, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows a message modally and answers the modal result of the button that closed it (mrCancel
// when the frame's close button did).
int MessageDlg(std::string_view message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// An information message with only OK.
void ShowMessage(std::string_view message);

}  // namespace fw
