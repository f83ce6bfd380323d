#include "io/NativeFile.h"

#include "io/PathName.h"

namespace io::native {

std::string nativePath(std::string_view path) {
    std::string normalised = PathName(path).toString();
    if (!normalised.empty() && normalised.front() == '/') {
        const size_t next = normalised.find_first_of(":/", 1);
        if (next != std::string::npos && normalised[next] == ':')
            normalised.erase(0, 1);
    }
    return normalised;
}

} // namespace io::native
