#pragma once

#include "fw/controls/win_control.h"
#include "fw/forms/form_types.h"

namespace fw {

// A push button over the platform "Button". The default button answers Enter while no other
// button has the focus, the cancel button answers Escape; a click gives the form the button's
// modal result (which ends a modal run) before OnClick.
class TButton : public TWinControl {
    FW_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // Whether this button answers Enter now (it is focused, or it is the default and no other
    // button is).
    bool ActiveDefault() const { return active_; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    // Shows the platform's default-button look when this button answers Enter.
    virtual void SetButtonStyle(bool isDefault);

private:
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    bool wordWrap_ = false;
    TModalResult modalResult_ = mrNone;
};

}  // namespace fw
