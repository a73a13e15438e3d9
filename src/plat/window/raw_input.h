#pragma once

#include <cstdint>

#include "gfx/geometry.h"
#include "plat/types.h"

namespace plat {

// Input as it comes from a backend: screen coordinates, buttons, keys. Each call hit-tests
// (or follows the capture) and queues the resulting window messages.
enum class MouseButton { Left, Right, Middle };
void RawMouseMove(gfx::Point screen);
void RawMouseButton(MouseButton button, bool down, gfx::Point screen);
void RawMouseWheel(int delta, gfx::Point screen);
void RawKey(UINT virtualKey, bool down);
// A typed character (Unicode code point) for the focus window.
void RawChar(char32_t codePoint);

}  // namespace plat
