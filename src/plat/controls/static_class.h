#pragma once

namespace plat {

// The "Static" class: labels, icons, bitmaps, filled rectangles, frames and etched lines (static_styles.h).
inline constexpr const char* kStaticClassName = "Static";
void RegisterStaticClass();

}  // namespace plat
