#include "plat/backend/sdl/sdl_x11_errors.h"

#if SENTAVIA_WITH_X11
#include <X11/Xlib.h>

#include <cstdio>
#endif

namespace plat {

#if SENTAVIA_WITH_X11

namespace {

int (*g_previous)(Display*, XErrorEvent*) = nullptr;

int OnXError(Display* display, XErrorEvent* e)
{
    if (e->error_code == BadWindow || e->error_code == BadDrawable) {
        std::fprintf(stderr, "X error %d (request %d) on a window already gone: ignored\n", int(e->error_code),
                     int(e->request_code));
        return 0;
    }
    return g_previous ? g_previous(display, e) : 0;
}

}  // namespace

void SurviveStaleWindowErrors()
{
    if (g_previous) return;
    g_previous = XSetErrorHandler(OnXError);
}

#else

void SurviveStaleWindowErrors() {}

#endif

}  // namespace plat
