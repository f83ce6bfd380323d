#include "io/AtomicFileOutputStream.h"

#include "io/IOException.h"
#include "io/NativeFile.h"
#include "io/TemporaryFile.h"
#include "lang/Log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

namespace io {

/// The temporary file, committed or discarded with the last reference.
class AtomicFileOutputStream::Impl : public lang::Object {
public:
    explicit Impl(const std::string& path)
        : finalPath(native::nativePath(path)), file(native::createTemporaryFile(finalPath, temporaryPath)),
          m_exceptionsAtStart(std::uncaught_exceptions()) {
        if (!file)
            throw IOException(
                lang::Format("Failed to open {0} for writing, with errno {1}", finalPath, std::to_string(errno)));
    }

    ~Impl() override {
        // Destroyed while an exception that started after the save unwinds: the content is
        // unfinished, and replacing the old file with it would lose the old one for nothing.
        const bool unfinished = failed || std::uncaught_exceptions() > m_exceptionsAtStart;
        const bool synced = !unfinished && native::syncFile(file);
        const bool closed = std::fclose(file) == 0;
        if (synced && closed && native::replaceFile(temporaryPath, finalPath))
            return;
        if (unfinished)
            LOG_WARNING("IO", "Save of %s abandoned; the old file is kept", finalPath.c_str());
        else
            LOG_ERROR("IO", "Failed to save %s: %s; the old file is kept", finalPath.c_str(), std::strerror(errno));
        std::remove(temporaryPath.c_str());
    }

    const std::string finalPath;
    std::string temporaryPath;
    std::FILE* const file;
    bool failed = false;

private:
    const int m_exceptionsAtStart;
};

AtomicFileOutputStream::AtomicFileOutputStream(const std::string& path) : m_impl(new Impl(path)) {}

AtomicFileOutputStream::~AtomicFileOutputStream() = default;

int AtomicFileOutputStream::write(const void* buffer, int count) {
    if (count <= 0)
        return 0;
    const size_t written = std::fwrite(buffer, 1, static_cast<size_t>(count), m_impl->file);
    if (written < static_cast<size_t>(count) && std::ferror(m_impl->file)) {
        m_impl->failed = true;
        throw IOException(lang::Format("Failed to write {1} bytes to {0}", m_impl->finalPath, std::to_string(count)));
    }
    return static_cast<int>(written);
}

std::string AtomicFileOutputStream::toString() { return m_impl->finalPath; }

} // namespace io
