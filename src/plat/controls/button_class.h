#pragma once

namespace plat {

// The "Button" class: push, default push, check, radio and group boxes (button_styles.h).
inline constexpr const char* kButtonClassName = "Button";
void RegisterButtonClass();

}  // namespace plat
