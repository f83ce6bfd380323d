#pragma once

#include <string>

namespace framework {

/// The folder for the application's saved files: $XDG_DATA_HOME/PUBLISHER/PRODUCT
/// ($XDG_DATA_HOME defaults to ~/.local/share), created when missing. `fallback` (the working
/// directory) when publisher or product is empty or the folder cannot be made.
std::string applicationDataFolder(const std::string& fallback, const std::string& publisher,
                                  const std::string& product);

} // namespace framework
