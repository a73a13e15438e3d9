#pragma once

#include <memory>

#include "plat/backend/backend.h"

namespace plat {

struct DesktopOptions {
    bool headless = false;
};
// --headless on the command line or SENTAVIA_HEADLESS=1 in the environment.
DesktopOptions DesktopOptionsFromCommandLine(int argc, char** argv);

// Starts the window system on the real desktop, or on the headless one when asked. Throws
// base::Error with a message for the user when the real desktop cannot be opened.
std::unique_ptr<Backend> StartDesktop(const DesktopOptions& options);

}  // namespace plat
