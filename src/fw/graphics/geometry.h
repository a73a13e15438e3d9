#pragma once

#include "plat/gdi/gdi_types.h"

namespace fw {

// The framework's geometry is the drawing interface's: right and bottom lie just outside.
using TRect = plat::RECT;
using TPoint = plat::POINT;
using TSize = plat::SIZE;

constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
constexpr TPoint Point(int x, int y) { return {x, y}; }

}  // namespace fw
