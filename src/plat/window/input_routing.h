#pragma once

#include "gfx/geometry.h"
#include "plat/types.h"
#include "plat/window/raw_input.h"

namespace plat {

// Turning one raw event into window messages: hit-testing, capture, activation, focus. It runs
// when the loop takes input, so that what earlier messages changed (a capture, a new window)
// decides where the event goes.
void RouteMouseMove(gfx::Point screen);
void RouteMouseButton(MouseButton button, bool down, gfx::Point screen);
void RouteMouseWheel(int delta, gfx::Point screen);
void RouteKey(UINT virtualKey, bool down);
void RouteChar(char32_t codePoint);

// Routes the oldest raw event waiting; false when none waits.
bool RouteNextRawInput();

}  // namespace plat
