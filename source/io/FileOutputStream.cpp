#include "io/FileOutputStream.h"

#include "io/IOException.h"
#include "io/NativeFile.h"
#include "lang/Log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace io {

/// The open file, closed with the last reference.
class FileOutputStream::Impl : public lang::Object {
public:
    explicit Impl(const std::string& path) : path(path), file(native::openFile(path, "wb")) {
        if (!file)
            throw IOException(
                lang::Format("Failed to open {0} for writing with errno {1}", path, std::to_string(errno)));
    }
    ~Impl() override {
        // The last buffered bytes reach the file only here.
        if (std::fclose(file) != 0)
            LOG_ERROR("IO", "Failed to close %s: %s", path.c_str(), std::strerror(errno));
    }

    const std::string path;
    std::FILE* const file;
};

FileOutputStream::FileOutputStream(const std::string& path) : m_impl(new Impl(path)) {}

FileOutputStream::~FileOutputStream() = default;

int FileOutputStream::write(const void* buffer, int count) {
    if (count <= 0)
        return 0;
    const size_t written = std::fwrite(buffer, 1, static_cast<size_t>(count), m_impl->file);
    if (written < static_cast<size_t>(count) && std::ferror(m_impl->file))
        throw IOException(lang::Format("Failed to write {0} bytes to {1}", std::to_string(count), m_impl->path));
    return static_cast<int>(written);
}

std::string FileOutputStream::toString() { return m_impl->path; }

} // namespace io
