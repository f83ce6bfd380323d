#pragma once

#include <string_view>

namespace io {

/// A normalised path and its parts, in one fixed buffer of 500 bytes.
///
/// Backslashes become slashes and dot segments are removed ("a/b/../c" is "a/c",
/// "a/./b" is "a/b"); a path that starts with ".." is left as it is from there on.
/// The parts are the drive (up to and including the first colon), the directory (up to
/// and including the last slash after the drive), the base name and the extension (from
/// the last point on, point included). The path and its four parts, each with a
/// terminator, must fit the buffer, so a path may have at most 247 bytes; a longer one
/// raises `io::IOException`.
class PathName {
public:
    static constexpr int kBufferSize = 500;

    /// Normalises `path`.
    explicit PathName(std::string_view path);
    /// Joins `relative` to `base` with one slash (one leading slash or backslash of
    /// `relative` is dropped when `base` is not empty), then normalises.
    PathName(std::string_view base, std::string_view relative);

    /// The whole normalised path.
    const char* toString() const { return m_buffer; }
    /// "C:" in "C:/a/b.png"; empty when the path has no colon.
    const char* getDrive() const { return m_buffer + m_drive; }
    /// "/a/" in "C:/a/b.png"; empty when no slash follows the drive.
    const char* getDirectory() const { return m_buffer + m_directory; }
    /// "b" in "C:/a/b.png".
    const char* getBaseName() const { return m_buffer + m_baseName; }
    /// ".png" in "C:/a/b.png"; empty when the name has no point.
    const char* getExtension() const { return m_buffer + m_extension; }

private:
    void assign(std::string_view joined);

    char m_buffer[kBufferSize];
    int m_drive = 0;
    int m_directory = 0;
    int m_baseName = 0;
    int m_extension = 0;
};

} // namespace io
