#pragma once

namespace plat {

// Xlib ends the program on any X protocol error. Requests SDL makes on behalf of a window the
// server has just destroyed can fail that way at no fault of ours: such errors are reported and
// survived. Does nothing when X11 support is not built.
void SurviveStaleWindowErrors();

}  // namespace plat
