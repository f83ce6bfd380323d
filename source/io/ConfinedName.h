#pragma once

#include <string_view>

namespace io {

/// Whether `name`, joined under a folder as the data-folder and application-data joins do,
/// stays inside that folder. Leading slashes or backslashes only root the name in the folder;
/// after normalisation a name that starts by climbing ("../x", "a/../../x") is not confined,
/// while points inside names ("v1..2.lua") are harmless. Raises `io::IOException` for a name
/// longer than the system takes.
bool isConfined(std::string_view name);

} // namespace io
