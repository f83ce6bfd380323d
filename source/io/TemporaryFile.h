#pragma once

#include <cstdio>
#include <string>

namespace io::native {

/// Creates a new file beside `path` (a normalised native path) whose name is `path` followed
/// by a dot and a random suffix, so that every caller gets a file of its own, and opens it for
/// binary writing with the permissions a new file gets. Its name goes to `temporaryPath`.
/// Returns null and leaves the cause in `errno` when no file could be created.
std::FILE* createTemporaryFile(const std::string& path, std::string& temporaryPath);

} // namespace io::native
