#pragma once

#include "io/InputStream.h"
#include "io/Uri.h"

#include <functional>
#include <string>
#include <string_view>

/// The process-wide virtual file system: read schemes, mounts of virtual path prefixes, and
/// the bundle and application-data folders. Every function is safe to call from any thread.
namespace io {

/// Opens a counted input stream for a URI of its scheme; raises `io::IOException` on failure.
using ReadSchemeOpener = std::function<lang::Ref<InputStream>(const Uri&)>;

/// Adds or replaces the opener of scheme `name`, stored lower-case ("file", "bundle" and
/// "appdata" are there from the start). Only URIs whose scheme is written in lower case
/// reach it.
void registerReadScheme(std::string_view name, ReadSchemeOpener opener);

/// Makes the virtual paths that start with `prefix` (compared exactly, case-sensitive)
/// stand for `target` followed by the rest of the path. Replaces an earlier mount of the
/// same prefix. A target may itself be a virtual path.
void mount(const std::string& prefix, const Uri& target);

/// The URI that `uri` stands for: unchanged when it has a scheme other than "vfs", else the
/// mount of the longest matching folder prefix of its path, resolved again. Raises
/// `io::IOException` "Unable to resolve vfs path \"{0}\"" when no mount matches (or the
/// mounts refer to each other in a loop).
Uri resolve(const Uri& uri);

/// Opens `uri` (a URI or a virtual path) through the opener of its resolved scheme. Raises
/// `io::IOException` "Unsupported read scheme: \"{0}\" while trying to open: \"{1}\"" when
/// no opener is registered, and whatever the opener raises.
lang::Ref<InputStream> openInputStream(const Uri& uri);

/// Sets the user's application-data folder ("." until set). Set it before streams use it.
void setAppDataPath(const std::string& folder);
/// The user's application-data folder.
std::string getAppDataPath();
/// The folder of the game's data, "." (the working directory).
std::string getBundlePath();

/// The file at `path` in the bundle folder; one leading slash of `path` is dropped.
std::string getBundleFile(std::string_view path);
/// The file at `path` in the application-data folder; one leading slash of `path` is dropped.
std::string getAppDataFile(std::string_view path);

} // namespace io
