#include "plat/window_system.h"

#include "plat/controls/controls_registry.h"
#include "plat/dialogs/dialog.h"
#include "plat/menus/system_menu.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/window/window_state.h"

namespace plat {

// The window core, then the standard parts built on it.
void StartWindowSystem(Backend& backend)
{
    StartWindowCore(backend);
    InstallPlainFrame();
    InstallMenus();
    RegisterDialogClass();
    RegisterStandardControls();
}

void StopWindowSystem() { StopWindowCore(); }

}  // namespace plat
