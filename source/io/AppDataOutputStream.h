#pragma once

#include "io/AtomicFileOutputStream.h"

#include <string>

namespace io {

/// Saves a file of the user's application-data folder all at once, as
/// `io::AtomicFileOutputStream` saves any file.
class AppDataOutputStream : public AtomicFileOutputStream {
public:
    /// Starts saving `path` under the application-data folder (one leading slash dropped).
    /// Raises `io::IOException` "Failed to open {0} for writing, with errno {1}".
    explicit AppDataOutputStream(const std::string& path);
    ~AppDataOutputStream() override;
};

} // namespace io
