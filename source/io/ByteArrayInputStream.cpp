#include "io/ByteArrayInputStream.h"

#include "io/ReadAll.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace io {

ByteArrayInputStream::ByteArrayInputStream() = default;

ByteArrayInputStream::ByteArrayInputStream(const void* data, int count) {
    if (count > 0) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        m_bytes.assign(bytes, bytes + count);
    }
}

ByteArrayInputStream::ByteArrayInputStream(std::vector<uint8_t> bytes, std::string name)
    : m_bytes(std::move(bytes)), m_name(std::move(name)) {}

ByteArrayInputStream::ByteArrayInputStream(InputStream& source) : m_bytes(readAll(source)), m_name(source.toString()) {}

ByteArrayInputStream::~ByteArrayInputStream() = default;

int ByteArrayInputStream::read(void* buffer, int count) {
    const int copied = skip(count);
    if (copied > 0)
        std::memcpy(buffer, m_bytes.data() + (m_position - copied), static_cast<size_t>(copied));
    return copied;
}

int ByteArrayInputStream::skip(int count) {
    const int skipped = std::clamp(count, 0, available());
    m_position += skipped;
    return skipped;
}

bool ByteArrayInputStream::seek(int offset, int origin) {
    const int64_t size = static_cast<int64_t>(m_bytes.size());
    int64_t base;
    switch (origin) {
    case kSeekSet:
        base = 0;
        break;
    case kSeekCurrent:
        base = m_position;
        break;
    case kSeekEnd:
        base = size;
        break;
    default:
        return false;
    }
    m_position = static_cast<int>(std::clamp(base + offset, int64_t{0}, size));
    return true;
}

int ByteArrayInputStream::available() { return static_cast<int>(m_bytes.size()) - m_position; }

std::string ByteArrayInputStream::toString() { return m_name.empty() ? "ByteArrayInputStream" : m_name; }

} // namespace io
