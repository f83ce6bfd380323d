#pragma once

#include "io/InputStream.h"

#include <string>

namespace io {

/// Reads a file. The file stays open until the stream is destroyed.
class FileInputStream : public InputStream {
public:
    class Impl;

    /// Opens `path` (UTF-8; backslashes and dot segments allowed) for binary reading.
    /// Raises `io::IOException` "Failed to open {0} with errno {1}" when it cannot.
    explicit FileInputStream(const std::string& path);
    ~FileInputStream() override;

    /// Returns fewer bytes only at the end of the file; raises on a read error.
    int read(void* buffer, int count) override;
    /// Moves forward by `count` bytes (even past the end; never back) and returns the distance;
    /// raises on failure.
    int skip(int count) override;
    bool seek(int offset, int origin) override;
    /// The bytes between the position and the end of the file; raises when the file cannot be sought.
    int available() override;
    /// The path as given.
    std::string toString() override;

private:
    lang::Ref<Impl> m_impl;
};

} // namespace io
