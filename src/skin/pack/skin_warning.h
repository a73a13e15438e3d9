#pragma once

#include <functional>
#include <string>

namespace skin {

// How the archive reader tells the user that data is not a skin archive. The program hands in
// the framework's message box; tools print instead.
using SkinWarning = std::function<void(const std::string& text, const std::string& caption)>;

// The window system's own message box with a warning icon and one OK button.
SkinWarning messageBoxWarning();

}  // namespace skin
