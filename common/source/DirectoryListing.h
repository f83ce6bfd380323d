#pragma once

#include <string>
#include <vector>

/// The names (without folder) of the entries that match a search pattern such as
/// "levels/*.lua": the folder part is taken as it is, the last part may hold the wildcards * and
/// ?. Files and folders both count; "." and ".." never do. Sorted by name, so every run lists
/// the same order. A missing folder gives no names.
std::vector<std::string> listMatchingEntries(const std::string& pattern);
