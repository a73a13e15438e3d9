#include "plat/controls/controls_registry.h"

#include "plat/controls/button_class.h"
#include "plat/controls/edit_class.h"
#include "plat/controls/static_class.h"
#include "plat/controls/status_bar_class.h"

#if __has_include("plat/controls/dialog_classes.h")
#include "plat/controls/dialog_classes.h"
#define SENTAVIA_HAS_DIALOG_CLASSES 1
#endif

namespace plat {

void RegisterStandardControls()
{
    RegisterEditClass();
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterStatusBarClass();
#ifdef SENTAVIA_HAS_DIALOG_CLASSES
    RegisterDialogClasses();
#endif
    // Until the dialog classes are in the build, "#32770" and "#32768" stay unregistered here.
}

}  // namespace plat
