#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fw/controls/application_core.h"
#include "fw/controls/win_control.h"
#include "plat/backend/headless/headless_desktop.h"

namespace fw::testing {

// The smallest application a run of controls needs: it writes down what reached its exception
// handler.
class RecordingApp : public TApplicationCore {
public:
    void HandleException(TObject*) override;
    std::vector<std::string> errors;
};

// A top-level window to put controls into.
class HostWindow : public TWinControl {
    FW_CLASS(HostWindow, TWinControl)
public:
    explicit HostWindow(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
};

// A windowed control of its own class that may hold children.
class TestPanel : public TWinControl {
    FW_CLASS(TestPanel, TWinControl)
public:
    explicit TestPanel(TComponent* owner);
};

class ControlsDesktop : public ::testing::Test {
protected:
    plat::HeadlessDesktop desk;
    RecordingApp app;
};

}  // namespace fw::testing
