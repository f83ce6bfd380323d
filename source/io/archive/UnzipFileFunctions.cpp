#include "io/archive/UnzipFileFunctions.h"

#include "io/InputStream.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace io {

namespace {

UnzipFileFunctions& self(voidpf opaque) { return *static_cast<UnzipFileFunctions*>(opaque); }

} // namespace

UnzipFileFunctions::UnzipFileFunctions(InputStream& source)
    : m_source(source), m_table{open, read, write, tell, seek, close, error, this} {}

void UnzipFileFunctions::rethrowStreamError() {
    if (m_streamError)
        std::rethrow_exception(std::exchange(m_streamError, nullptr));
}

voidpf UnzipFileFunctions::open(voidpf opaque, const char*, int) {
    UnzipFileFunctions& functions = self(opaque);
    try {
        if (!functions.m_source.seek(0, InputStream::kSeekSet))
            return nullptr;
        const int size = functions.m_source.available();
        if (size < 0)
            return nullptr;
        functions.m_position = 0;
        functions.m_size = size;
        return opaque;
    } catch (...) {
        functions.m_streamError = std::current_exception();
        return nullptr;
    }
}

uLong UnzipFileFunctions::read(voidpf opaque, voidpf, void* buffer, uLong size) {
    UnzipFileFunctions& functions = self(opaque);
    try {
        const int count = functions.m_source.read(buffer, static_cast<int>(std::min<uLong>(size, INT_MAX)));
        if (count <= 0)
            return 0;
        functions.m_position += count;
        return static_cast<uLong>(count);
    } catch (...) {
        functions.m_streamError = std::current_exception();
        return 0;
    }
}

// The archive is only read.
uLong UnzipFileFunctions::write(voidpf, voidpf, const void*, uLong) { return 0; }

long UnzipFileFunctions::tell(voidpf opaque, voidpf) { return self(opaque).m_position; }

long UnzipFileFunctions::seek(voidpf opaque, voidpf, uLong offset, int origin) {
    UnzipFileFunctions& functions = self(opaque);
    // Offsets come from the archive itself: anything outside the stream is damage, refused
    // here rather than left to the stream's clamping.
    if (offset > static_cast<uLong>(functions.m_size))
        return -1;
    const long distance = static_cast<long>(offset);
    long target;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        target = distance;
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        target = functions.m_position + distance;
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        target = functions.m_size - distance;
        break;
    default:
        return -1;
    }
    if (target < 0 || target > functions.m_size)
        return -1;
    try {
        if (!functions.m_source.seek(static_cast<int>(target), InputStream::kSeekSet))
            return -1;
    } catch (...) {
        functions.m_streamError = std::current_exception();
        return -1;
    }
    functions.m_position = target;
    return 0;
}

// The stream belongs to the archive object, which closes it with its last reference.
int UnzipFileFunctions::close(voidpf, voidpf) { return 0; }

int UnzipFileFunctions::error(voidpf opaque, voidpf) { return self(opaque).m_streamError ? 1 : 0; }

} // namespace io
