#pragma once

#include <string>
#include <string_view>

#include "fw/graphics/canvas.h"

namespace paint {

// The text as it fits `width` pixels in the canvas's font: whole when it fits, else shortened
// by whole characters and ended with "...", or empty when not even that fits.
std::string CutText(fw::TCanvas& canvas, std::string_view text, int width);

}  // namespace paint
