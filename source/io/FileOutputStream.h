#pragma once

#include "io/OutputStream.h"

#include <string>

namespace io {

/// Writes a file. The file is flushed and closed when the stream is destroyed; a failure
/// then (a full disk, say) is logged, as nothing can be raised there.
class FileOutputStream : public OutputStream {
public:
    class Impl;

    /// Creates or truncates `path` (UTF-8; backslashes and dot segments allowed) for binary
    /// writing. Raises `io::IOException` "Failed to open {0} for writing with errno {1}".
    explicit FileOutputStream(const std::string& path);
    ~FileOutputStream() override;

    /// Raises `io::IOException` when the bytes cannot be written.
    int write(const void* buffer, int count) override;
    /// The path as given.
    std::string toString() override;

private:
    lang::Ref<Impl> m_impl;
};

} // namespace io
