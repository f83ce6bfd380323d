#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

/// The few file-system calls the streams need, kept in one place per platform.
namespace io::native {

/// The longest path, in bytes with its terminator, that the operating system takes.
extern const std::size_t kMaxPathBytes;

/// The path as the operating system gets it: normalised by `io::PathName`. (Here "/C:/x" is an
/// absolute path like any other; a platform with drive letters drops the slash that file URIs
/// put before them.)
std::string nativePath(std::string_view path);

/// Opens the file at `path` (UTF-8, normalised with `nativePath`) with a C library `mode`.
/// Returns null and leaves the cause in `errno` when the file cannot be opened.
std::FILE* openFile(std::string_view path, const char* mode);

/// Pushes the C library's buffer and the operating system's cache of `file` to the disk.
/// Returns false (cause in `errno`) if either step failed.
bool syncFile(std::FILE* file);

/// Moves the file `from` onto `to`, replacing what was there, and makes the move durable.
/// Returns false (cause in `errno`) if the move failed.
bool replaceFile(const std::string& from, const std::string& to);

} // namespace io::native
