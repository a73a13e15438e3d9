#pragma once

#include "plat/controls/edit_state.h"

namespace plat::edit {

// WM_PAINT: the background the parent asks for, the shown lines and the selection.
void Paint(HWND hwnd, EditState& st);

}  // namespace plat::edit
