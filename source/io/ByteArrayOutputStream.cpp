#include "io/ByteArrayOutputStream.h"

namespace io {

ByteArrayOutputStream::ByteArrayOutputStream(int initialCapacity) : m_bytes(&m_own) {
    if (initialCapacity > 0)
        m_own.reserve(static_cast<size_t>(initialCapacity));
}

ByteArrayOutputStream::ByteArrayOutputStream(std::vector<uint8_t>& target) : m_bytes(&target) {}

ByteArrayOutputStream::~ByteArrayOutputStream() = default;

int ByteArrayOutputStream::write(const void* buffer, int count) {
    if (count <= 0)
        return 0;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    m_bytes->insert(m_bytes->end(), bytes, bytes + count);
    return count;
}

std::string ByteArrayOutputStream::toString() { return "ByteArrayOutputStream"; }

} // namespace io
