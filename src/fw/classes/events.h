#pragma once

#include <functional>

#include "fw/classes/set.h"

namespace fw {

class TObject;

// Events are plain callables; an empty one means "no handler".
using TNotifyEvent = std::function<void(TObject* sender)>;

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
using enum TShiftStateItem;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// `key` may be changed (0 swallows the key).
using TKeyEvent = std::function<void(TObject* sender, unsigned short& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;

}  // namespace fw
