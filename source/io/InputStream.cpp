#include "io/InputStream.h"

#include "io/IOException.h"

#include <utility>

namespace io {

InputStream::InputStream() = default;

InputStream::InputStream(InputStream* delegate) : m_delegate(delegate) {}

InputStream::InputStream(lang::Ref<InputStream> source) : m_source(std::move(source)) {}

InputStream::~InputStream() = default;

InputStream& InputStream::target() {
    InputStream* target = m_delegate ? m_delegate : m_source.get();
    // A subclass that kept the default construction must override every operation.
    if (!target)
        throw IOException(lang::Format("Input stream has no source to read from"));
    return *target;
}

int InputStream::read(void* buffer, int count) { return target().read(buffer, count); }

int InputStream::skip(int count) { return target().skip(count); }

bool InputStream::seek(int offset, int origin) { return target().seek(offset, origin); }

int InputStream::available() { return target().available(); }

std::string InputStream::toString() { return target().toString(); }

} // namespace io
