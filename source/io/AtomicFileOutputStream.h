#pragma once

#include "io/OutputStream.h"

#include <string>

namespace io {

/// Saves a file all at once: the bytes go to a temporary file of this stream's own beside it
/// ("NAME.xxxxxx"), which replaces the file when the stream is destroyed, after being flushed
/// to the disk. A crash or kill at any moment leaves either the old or the new content, never
/// a mix, and two streams saving the same file at once leave one complete content.
///
/// The save is abandoned, the temporary file removed and the old file kept, when a write
/// failed, when flushing or replacing fails (logged), or when the stream is destroyed by an
/// exception unwinding the stack (a writer that threw has not finished its content).
class AtomicFileOutputStream : public OutputStream {
public:
    class Impl;

    /// Starts saving `path` (UTF-8; normalised as `io::FileOutputStream` does). Raises
    /// `io::IOException` "Failed to open {0} for writing, with errno {1}" (the final path).
    explicit AtomicFileOutputStream(const std::string& path);
    ~AtomicFileOutputStream() override;

    /// Raises `io::IOException` "Failed to write {1} bytes to {0}" when the bytes cannot be
    /// written; the save is then abandoned.
    int write(const void* buffer, int count) override;
    /// The path of the file being saved.
    std::string toString() override;

private:
    lang::Ref<Impl> m_impl;
};

} // namespace io
