#pragma once

namespace plat {

// Registers the standard classes "Edit", "Button", "Static" and "msctls_statusbar32" (the window
// system does so at start). Safe to call again: taken names stay as they are.
void RegisterStandardControls();

}  // namespace plat
