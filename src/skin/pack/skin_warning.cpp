#include "skin/pack/skin_warning.h"

#include "plat/dialogs/message_box.h"

namespace skin {

SkinWarning messageBoxWarning()
{
    return [](const std::string& text, const std::string& caption) {
        plat::MessageBox(plat::HWND{}, text, caption, plat::MB_OK | plat::MB_ICONWARNING);
    };
}

}  // namespace skin
