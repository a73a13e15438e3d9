#pragma once

namespace plat {

// Registers the standard classes: "Edit", "Button", "Static", "msctls_statusbar32", and the
// dialog and menu classes ("#32770", "#32768"). Safe to call again: taken names stay as they are.
void RegisterStandardControls();

}  // namespace plat
