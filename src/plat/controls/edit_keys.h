#pragma once

#include "plat/controls/edit_state.h"

namespace plat::edit {

// Caret moves and key commands; false for keys the edit leaves to the default procedure.
bool KeyDown(HWND hwnd, EditState& st, UINT vk);

}  // namespace plat::edit
