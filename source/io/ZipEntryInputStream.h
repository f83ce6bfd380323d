#pragma once

#include "io/ByteArrayInputStream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace io {

/// One archive entry, fully decompressed into memory: it never reads the archive again.
/// Its name for messages is the inherited "ByteArrayInputStream"; `getName` gives the entry's.
class ZipEntryInputStream : public ByteArrayInputStream {
public:
    /// A stream at position 0 over `bytes`, the content of the entry called `name`.
    ZipEntryInputStream(std::string name, std::vector<uint8_t> bytes);
    ~ZipEntryInputStream() override;

    /// The entry's name in the archive (folders separated by slashes).
    const std::string& getName() const { return m_name; }

private:
    std::string m_name;
};

} // namespace io
