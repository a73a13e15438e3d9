#include "plat/controls/controls_registry.h"

#include "plat/controls/button_class.h"
#include "plat/controls/edit_class.h"
#include "plat/controls/static_class.h"
#include "plat/controls/status_bar_class.h"

namespace plat {

void RegisterStandardControls()
{
    RegisterEditClass();
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterStatusBarClass();
}

}  // namespace plat
