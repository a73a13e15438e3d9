#include "plat/backend/sdl/start_desktop.h"

#include <cstdlib>
#include <cstring>

#include "plat/backend/headless/headless_desktop.h"
#include "plat/backend/sdl/sdl_desktop.h"

namespace plat {

DesktopOptions DesktopOptionsFromCommandLine(int argc, char** argv)
{
    DesktopOptions o;
    const char* env = std::getenv("SENTAVIA_HEADLESS");
    if (env && std::strcmp(env, "1") == 0) o.headless = true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--headless") == 0) o.headless = true;
    return o;
}

std::unique_ptr<Backend> StartDesktop(const DesktopOptions& options)
{
    if (options.headless) return std::make_unique<HeadlessDesktop>();
    return std::make_unique<SdlDesktop>();
}

}  // namespace plat
