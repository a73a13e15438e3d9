#include "plat/window_system.h"

#include "plat/controls/controls_registry.h"
#include "plat/dialogs/dialog.h"
#include "plat/menus/system_menu.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/state/run_state.h"
#include "plat/window/window_state.h"

namespace plat {

// A fresh run with the window core, then the standard parts built on it.
void StartWindowSystem(Backend& backend)
{
    if (WindowSystemRunning()) StopWindowSystem();
    BeginRun();
    StartWindowCore(backend);
    InstallPlainFrame();
    InstallMenus();
    RegisterDialogClass();
    RegisterStandardControls();
}

// Windows go first, while every part they may call on is still there; then the run with all
// its tables.
void StopWindowSystem()
{
    StopWindowCore();
    EndRun();
}

}  // namespace plat
