#pragma once

#include <string>
#include <string_view>

namespace io {

/// A normalised path and its parts.
///
/// Backslashes become slashes, and "." and ".." are removed where they are whole segments
/// ("a/b/../c" is "a/c", "a/./b" is "a/b"); points inside names ("v1..2.lua", ".hidden") are
/// part of the name. A ".." that would climb above the start of a relative path stays
/// ("x/../../y" is "../y"); above the root of an absolute path there is only the root.
/// The parts are the drive (up to and including the first colon), the directory (up to
/// and including the last slash after the drive), the base name and the extension (from
/// the last point on, point included). A normalised path longer than the operating system
/// takes raises `io::IOException`.
class PathName {
public:
    /// Normalises `path`.
    explicit PathName(std::string_view path);
    /// Joins `relative` to `base` with one slash (one leading slash or backslash of
    /// `relative` is dropped when `base` is not empty), then normalises.
    PathName(std::string_view base, std::string_view relative);

    /// The whole normalised path.
    const char* toString() const { return m_path.c_str(); }
    /// "C:" in "C:/a/b.png"; empty when the path has no colon.
    const char* getDrive() const { return m_drive.c_str(); }
    /// "/a/" in "C:/a/b.png"; empty when no slash follows the drive.
    const char* getDirectory() const { return m_directory.c_str(); }
    /// "b" in "C:/a/b.png".
    const char* getBaseName() const { return m_baseName.c_str(); }
    /// ".png" in "C:/a/b.png"; empty when the name has no point.
    const char* getExtension() const { return m_extension.c_str(); }

private:
    void assign(std::string_view joined);

    std::string m_path;
    std::string m_drive;
    std::string m_directory;
    std::string m_baseName;
    std::string m_extension;
};

} // namespace io
