#pragma once

#include <optional>
#include <string>

namespace framework {
class App;
}

/// `name` (a name a script chose) in the application's data folder, leading slashes rooting it
/// there; nothing for a name that would climb out of it.
std::optional<std::string> confinedDataFile(const framework::App& app, const std::string& name);

/// `name` in the data folder. Raises `io::IOException` for a name that would climb out of it.
std::string dataFile(const framework::App& app, const std::string& name);
