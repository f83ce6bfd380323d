#include "io/TemporaryFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace io::native {

std::FILE* createTemporaryFile(const std::string& path, std::string& temporaryPath) {
    // mkstemp would do, but makes the file private (0600), and the saved file keeps the mode.
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = path + '.';
        for (int i = 0; i < 6; ++i)
            candidate += kDigits[random() % (sizeof kDigits - 1)];
        const int descriptor = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            return nullptr;
        }
        std::FILE* file = ::fdopen(descriptor, "wb");
        if (!file) {
            const int cause = errno;
            ::close(descriptor);
            ::unlink(candidate.c_str());
            errno = cause;
            return nullptr;
        }
        temporaryPath = std::move(candidate);
        return file;
    }
    errno = EEXIST;
    return nullptr;
}

} // namespace io::native
