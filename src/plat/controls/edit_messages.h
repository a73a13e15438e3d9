#pragma once

#include <optional>

#include "plat/controls/edit_state.h"

namespace plat::edit {

// The EM_ messages; nullopt for any other message.
std::optional<LRESULT> HandleEditMessage(HWND hwnd, EditState& st, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace plat::edit
