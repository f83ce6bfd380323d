#include "io/OutputStream.h"

#include "io/IOException.h"

#include <utility>

namespace io {

OutputStream::OutputStream() = default;

OutputStream::OutputStream(OutputStream* delegate) : m_delegate(delegate) {}

OutputStream::OutputStream(lang::Ref<OutputStream> source) : m_source(std::move(source)) {}

OutputStream::~OutputStream() = default;

OutputStream& OutputStream::target() {
    OutputStream* target = m_delegate ? m_delegate : m_source.get();
    // A subclass that kept the default construction must override every operation.
    if (!target)
        throw IOException(lang::Format("Output stream has no target to write to"));
    return *target;
}

int OutputStream::write(const void* buffer, int count) { return target().write(buffer, count); }

std::string OutputStream::toString() { return target().toString(); }

} // namespace io
