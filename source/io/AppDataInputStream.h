#pragma once

#include "io/InputStream.h"

#include <string>

namespace io {

/// Reads a file of the user's application-data folder (see `io::setAppDataPath`).
/// Every operation, the name included, is that of the file stream underneath.
class AppDataInputStream : public InputStream {
public:
    /// Opens `path` under the application-data folder (one leading slash dropped); raises
    /// `io::IOException` as `io::FileInputStream` does.
    explicit AppDataInputStream(const std::string& path);
    ~AppDataInputStream() override;
};

} // namespace io
