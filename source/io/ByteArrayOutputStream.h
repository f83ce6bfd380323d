#pragma once

#include "io/OutputStream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace io {

/// An output stream that appends everything written to a byte vector, its own or one
/// supplied by the caller. Its name is "ByteArrayOutputStream".
class ByteArrayOutputStream : public OutputStream {
public:
    /// Writes into a vector of its own with room reserved for `initialCapacity` bytes.
    explicit ByteArrayOutputStream(int initialCapacity = 0);
    /// Appends to `target`, which is borrowed and must outlive this stream.
    explicit ByteArrayOutputStream(std::vector<uint8_t>& target);
    ByteArrayOutputStream(const ByteArrayOutputStream&) = delete;
    ByteArrayOutputStream& operator=(const ByteArrayOutputStream&) = delete;
    ~ByteArrayOutputStream() override;

    int write(const void* buffer, int count) override;
    std::string toString() override;

    /// Everything written so far (after what a supplied vector already held).
    const std::vector<uint8_t>& bytes() const { return *m_bytes; }

private:
    std::vector<uint8_t> m_own;
    std::vector<uint8_t>* m_bytes;
};

} // namespace io
