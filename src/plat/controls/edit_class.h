#pragma once

namespace plat {

// The "Edit" class: single-line and multi-line text boxes (styles and messages: edit_styles.h).
inline constexpr const char* kEditClassName = "Edit";
void RegisterEditClass();

}  // namespace plat
