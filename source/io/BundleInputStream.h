#pragma once

#include "io/InputStream.h"

#include <string>

namespace io {

/// Reads a file of the game's data folder (the bundle, see `io::getBundlePath`).
/// Every operation, the name included, is that of the file stream underneath.
class BundleInputStream : public InputStream {
public:
    /// Opens `path` under the bundle folder (one leading slash dropped); raises
    /// `io::IOException` as `io::FileInputStream` does.
    explicit BundleInputStream(const std::string& path);
    ~BundleInputStream() override;
};

} // namespace io
