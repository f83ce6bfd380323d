#include "io/PathName.h"

#include "io/IOException.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace io {

namespace {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

[[noreturn]] void overflow(size_t needed, std::string_view path) {
    throw IOException(lang::Format("Path name buffer overflow, {0} bytes. Initial path name was \"{1}\".",
                                   std::to_string(needed), path));
}

/// Removes dot segments in one pass; the last character never starts a pair.
void removeDotSegments(std::string& path) {
    size_t i = 0;
    while (i + 1 < path.size()) {
        const bool more = i + 2 < path.size();
        if (path[i] == '.' && path[i + 1] == '.' && more) {
            // A path that climbs above its start cannot be shortened.
            if (i == 0)
                return;
            // "dir/.." and the slash after it go, back to the slash before "dir".
            const size_t first = path.rfind('/', i - 1);
            const size_t second =
                first != std::string::npos && first > 0 ? path.rfind('/', first - 1) : std::string::npos;
            const size_t start = second == std::string::npos ? 0 : second + 1;
            path.erase(start, i + 3 - start);
            i = second == std::string::npos ? 0 : second;
            continue;
        }
        if (path[i] == '.' && path[i + 1] == '/' && more) {
            const size_t slash = i > 0 ? path.rfind('/', i - 1) : std::string::npos;
            const size_t start = slash == std::string::npos ? 0 : slash + 1;
            path.erase(start, i + 2 - start);
            i = start;
            continue;
        }
        ++i;
    }
}

} // namespace

PathName::PathName(std::string_view path) { assign(path); }

PathName::PathName(std::string_view base, std::string_view relative) {
    if (!base.empty() && !relative.empty() && isSeparator(relative.front()))
        relative.remove_prefix(1);
    std::string joined(base);
    if (!relative.empty()) {
        if (!base.empty() && !isSeparator(base.back()))
            joined += '/';
        joined += relative;
    }
    assign(joined);
}

void PathName::assign(std::string_view joined) {
    if (joined.size() + 1 > kBufferSize)
        overflow(joined.size() + 1, joined);
    std::string path(joined);
    std::replace(path.begin(), path.end(), '\\', '/');
    removeDotSegments(path);

    const size_t colon = path.find(':');
    const size_t directory = colon == std::string::npos ? 0 : colon + 1;
    const size_t slash = path.rfind('/');
    const size_t name = slash == std::string::npos || slash < directory ? directory : slash + 1;
    const size_t point = path.rfind('.');
    const size_t extension = point == std::string::npos || point < name ? path.size() : point;

    // The whole path, then each part, every one with its terminator.
    const size_t needed = 2 * path.size() + 5;
    if (needed > kBufferSize)
        overflow(needed, joined);

    char* out = m_buffer;
    auto put = [&](size_t from, size_t to) {
        const int offset = static_cast<int>(out - m_buffer);
        std::memcpy(out, path.data() + from, to - from);
        out += to - from;
        *out++ = '\0';
        return offset;
    };
    put(0, path.size());
    m_drive = put(0, directory);
    m_directory = put(directory, name);
    m_baseName = put(name, extension);
    m_extension = put(extension, path.size());
}

} // namespace io
