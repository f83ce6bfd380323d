#pragma once

#include <string>
#include <vector>

/// The names (without folder) of the entries that match a search pattern such as
/// "levels/*.lua". The folder part is taken as it is; in the last part only * (any run of
/// characters) and ? (one character) are wildcards, everything else, brackets included, matches
/// itself, case-sensitively as the file system names files. Files and folders both count;
/// "." and ".." never do, and a name starting with a point only matches a pattern whose last
/// part starts with a point (".*"). Sorted by byte order, so every run lists the same order
/// whatever the file system's. A missing folder gives no names.
std::vector<std::string> listMatchingEntries(const std::string& pattern);
