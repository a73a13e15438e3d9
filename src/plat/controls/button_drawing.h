#pragma once

#include <string_view>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace plat {

// How a button looks at one moment.
struct ButtonLook {
    DWORD style = 0;
    WPARAM check = 0;  // BST_UNCHECKED / BST_CHECKED / BST_INDETERMINATE
    bool pushed = false;
    bool focused = false;
    bool enabled = true;
    bool isDefault = false;  // a push button drawn with the heavy default frame
};

// Draws a button of any kind into rect with the DC's selected font; background is the brush
// the parent gave for the area around check boxes and group boxes.
void DrawButton(HDC dc, const RECT& rect, std::string_view text, const ButtonLook& look, HBRUSH background);

}  // namespace plat
