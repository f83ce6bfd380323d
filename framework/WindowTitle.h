#pragma once

#include <string>

namespace framework {

/// The window title: the application's name and the drawable size, "%s (%dx%d)", e.g.
/// "Demo (800x600)".
std::string windowTitle(const std::string& name, int width, int height);

} // namespace framework
