#include "io/FileInputStream.h"

#include "io/IOException.h"
#include "io/NativeFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>

namespace io {

/// The open file, closed with the last reference.
class FileInputStream::Impl : public lang::Object {
public:
    explicit Impl(const std::string& path) : path(path), file(native::openFile(path, "rb")) {
        if (!file)
            throw IOException(lang::Format("Failed to open {0} with errno {1}", path, std::to_string(errno)));
    }
    ~Impl() override { std::fclose(file); }

    const std::string path;
    std::FILE* const file;
};

FileInputStream::FileInputStream(const std::string& path) : m_impl(new Impl(path)) {}

FileInputStream::~FileInputStream() = default;

int FileInputStream::read(void* buffer, int count) {
    if (count <= 0)
        return 0;
    const size_t got = std::fread(buffer, 1, static_cast<size_t>(count), m_impl->file);
    if (got < static_cast<size_t>(count) && std::ferror(m_impl->file))
        throw IOException(lang::Format("Failed to read {0} bytes from {1}", std::to_string(count), m_impl->path));
    return static_cast<int>(got);
}

int FileInputStream::skip(int count) {
    if (count <= 0)
        return 0;
    if (std::fseek(m_impl->file, count, SEEK_CUR) != 0)
        throw IOException(lang::Format("Failed to skip {0} bytes from {1}", std::to_string(count), m_impl->path));
    return count;
}

bool FileInputStream::seek(int offset, int origin) {
    static constexpr int kOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (origin < kSeekSet || origin > kSeekEnd)
        return false;
    return std::fseek(m_impl->file, offset, kOrigins[origin]) == 0;
}

int FileInputStream::available() {
    std::FILE* file = m_impl->file;
    const long position = std::ftell(file);
    const bool toEnd = position >= 0 && std::fseek(file, 0, SEEK_END) == 0;
    const long end = toEnd ? std::ftell(file) : -1;
    const bool back = toEnd && std::fseek(file, position, SEEK_SET) == 0;
    if (!back || end < 0 || std::ferror(file))
        throw IOException(lang::Format("Failed to seek {0}", m_impl->path));
    // Lengths are ints throughout the streams: a larger rest reads as much as an int holds.
    return static_cast<int>(std::min<long>(end - position, INT_MAX));
}

std::string FileInputStream::toString() { return m_impl->path; }

} // namespace io
