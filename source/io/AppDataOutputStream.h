#pragma once

#include "io/OutputStream.h"

#include <string>

namespace io {

/// Saves a file of the user's application-data folder all at once: the bytes go to a
/// temporary file beside it ("NAME.tmp"), which replaces the file when the stream is
/// destroyed, after being flushed to the disk. A crash or kill at any moment leaves either
/// the old or the new content, never a mix.
///
/// The save is abandoned, and the old file kept, when a write failed, when flushing or
/// replacing fails (logged), or when the stream is destroyed by an exception unwinding
/// the stack (a writer that threw has not finished its content).
class AppDataOutputStream : public OutputStream {
public:
    class Impl;

    /// Starts saving `path` under the application-data folder (one leading slash dropped).
    /// Raises `io::IOException` "Failed to open {0} for writing, with errno {1}".
    explicit AppDataOutputStream(const std::string& path);
    ~AppDataOutputStream() override;

    /// Raises `io::IOException` "Failed to write {1} bytes to {0}" when the bytes cannot be
    /// written; the save is then abandoned.
    int write(const void* buffer, int count) override;
    /// The path of the file being saved.
    std::string toString() override;

private:
    lang::Ref<Impl> m_impl;
};

} // namespace io
