#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace io {

class InputStream;

/// One archive format behind `io::ZipFileInputStream`. Operations answer 0 on success or the
/// format library's non-zero error code; exceptions raised by the source stream pass through.
class ZipFile {
public:
    virtual ~ZipFile() = default;

    /// Opens the archive held in `source`, which must outlive this object.
    virtual int open(InputStream& source) = 0;
    /// Replaces `names` with the names of the archive's entries, in archive order.
    virtual int listEntries(std::vector<std::string>& names) = 0;
    /// Replaces `bytes` with the whole decompressed content of entry `index` (0 to count - 1).
    virtual int extract(int index, std::vector<uint8_t>& bytes) = 0;
};

} // namespace io
