#include "io/ZipEntryInputStream.h"

#include <utility>

namespace io {

ZipEntryInputStream::ZipEntryInputStream(std::string name, std::vector<uint8_t> bytes)
    : ByteArrayInputStream(std::move(bytes)), m_name(std::move(name)) {}

ZipEntryInputStream::~ZipEntryInputStream() = default;

} // namespace io
