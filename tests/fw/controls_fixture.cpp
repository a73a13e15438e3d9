#include "controls_fixture.h"

#include <exception>

#include "plat/window_styles.h"

namespace fw::testing {

void RecordingApp::HandleException(TObject*)
{
    try {
        throw;
    } catch (const std::exception& e) {
        errors.emplace_back(e.what());
    }
}

HostWindow::HostWindow(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

void HostWindow::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.Style = plat::WS_POPUP | plat::WS_CLIPCHILDREN | (Visible() ? plat::WS_VISIBLE : 0);
}

TestPanel::TestPanel(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

}  // namespace fw::testing
