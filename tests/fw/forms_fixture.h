#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fw/forms/application.h"
#include "fw/forms/form.h"
#include "plat/backend/headless/headless_desktop.h"

namespace fw::testing {

// A push button over the platform's, with the default / cancel / modal-result behaviour forms
// expect of one.
class TestButton : public TWinControl {
    FW_CLASS(TestButton, TWinControl)
public:
    explicit TestButton(TComponent* owner);
    bool isDefault = false;
    bool isCancel = false;
    TModalResult modalResult = mrNone;
    void Click() override;

protected:
    void CreateParams(TCreateParams& p) override;
    void Dispatch(TMessage& m) override;
};

// An edit over the platform's.
class TestEdit : public TWinControl {
    FW_CLASS(TestEdit, TWinControl)
public:
    explicit TestEdit(TComponent* owner);

protected:
    void CreateParams(TCreateParams& p) override;
};

template <class T>
T* Place(TWinControl* parent, int l, int t, int w, int h)
{
    auto* c = new T(GetParentForm(parent) ? static_cast<TComponent*>(GetParentForm(parent)) : parent);
    c->SetBounds(l, t, w, h);
    c->SetParent(parent);
    return c;
}

// The text of the message box now on screen with this caption ("" when there is none).
std::string MessageBoxText(const std::string& caption);

class FormsDesktop : public ::testing::Test {
protected:
    plat::HeadlessDesktop desk;
    TApplication app;
};

}  // namespace fw::testing
