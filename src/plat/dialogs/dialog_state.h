#pragma once

#include <cstdint>

#include "plat/dialogs/dialog.h"

namespace plat {

// What the dialog code keeps for each dialog window (internal).
struct DialogState {
    DLGPROC proc = nullptr;
    HFONT font;
    int defId = 0;         // the dialog's default button; 0: none
    HWND lastFocus;        // given back when the dialog is activated again
    bool ended = false;
    std::intptr_t result = 0;
};
DialogState* DialogStateOf(HWND dialog);

// Gives the default-button look to the focused push button, or back to the dialog's default
// one when the focus is elsewhere.
void ShowDefaultButtonFor(HWND dialog, HWND focus);
bool IsPushButton(HWND control);

}  // namespace plat
