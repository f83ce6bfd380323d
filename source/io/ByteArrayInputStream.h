#pragma once

#include "io/InputStream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace io {

/// An input stream over bytes held in memory.
class ByteArrayInputStream : public InputStream {
public:
    /// An empty stream.
    ByteArrayInputStream();
    /// A stream over a copy of `count` bytes at `data`.
    ByteArrayInputStream(const void* data, int count);
    /// A stream over `bytes`, taken over without a copy; `name` may be empty.
    explicit ByteArrayInputStream(std::vector<uint8_t> bytes, std::string name = {});
    /// Reads all that is left of `source` into memory now; takes its name.
    explicit ByteArrayInputStream(InputStream& source);
    ~ByteArrayInputStream() override;

    int read(void* buffer, int count) override;
    int skip(int count) override;
    /// Clamps the new position to the data and always succeeds, except for an unknown origin.
    bool seek(int offset, int origin) override;
    int available() override;
    /// The name given, or "ByteArrayInputStream" when it is empty.
    std::string toString() override;

    /// All the bytes of the stream, whatever the position.
    const std::vector<uint8_t>& bytes() const { return m_bytes; }
    /// The read position, 0 to the size.
    int position() const { return m_position; }

private:
    std::vector<uint8_t> m_bytes;
    std::string m_name;
    int m_position = 0;
};

} // namespace io
