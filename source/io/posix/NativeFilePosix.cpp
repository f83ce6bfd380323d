#include "io/NativeFile.h"

#include "io/PathName.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>

namespace io::native {

// Paths are UTF-8 byte strings here, which the POSIX calls take as they are.

const std::size_t kMaxPathBytes = PATH_MAX;

std::string nativePath(std::string_view path) { return PathName(path).toString(); }

std::FILE* openFile(std::string_view path, const char* mode) { return std::fopen(nativePath(path).c_str(), mode); }

bool syncFile(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

bool replaceFile(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    // The new name lives in the folder: sync the folder too, or a power cut may forget the move.
    const size_t slash = to.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : to.substr(0, slash);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
    return true;
}

} // namespace io::native
