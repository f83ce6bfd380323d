#include "io/PathName.h"

#include "io/IOException.h"
#include "io/NativeFile.h"

#include <algorithm>
#include <vector>

namespace io {

namespace {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

[[noreturn]] void overflow(size_t needed, std::string_view path) {
    throw IOException(lang::Format("Path name buffer overflow, {0} bytes. Initial path name was \"{1}\".",
                                   std::to_string(needed), path));
}

/// Applies ".." to the segments kept so far: the last name goes, with the empty segments after
/// it (the system reads "a//b" as "a/b"). Returns false when no name is left to remove in a
/// relative path, so the ".." must stay.
bool climb(std::vector<std::string_view>& kept, bool absolute) {
    const auto named = std::find_if(kept.rbegin(), kept.rend(), [](std::string_view s) { return !s.empty(); });
    const bool removable = named != kept.rend() && *named != "..";
    kept.erase(removable ? std::prev(named.base()) : named.base(), kept.end());
    // Above the root there is only the root.
    return removable || absolute;
}

/// Removes "." and ".." where they are whole segments; a name with points in it is a name.
std::string removeDotSegments(std::string_view path) {
    const bool absolute = path.starts_with('/');
    std::vector<std::string_view> kept;
    bool dropped = false;
    for (size_t start = absolute ? 1 : 0;;) {
        const size_t end = std::min(path.find('/', start), path.size());
        const std::string_view segment = path.substr(start, end - start);
        dropped = segment == "." || (segment == ".." && climb(kept, absolute));
        if (!dropped)
            kept.push_back(segment);
        if (end == path.size())
            break;
        start = end + 1;
    }
    std::string normalised = absolute ? "/" : "";
    for (size_t i = 0; i < kept.size(); ++i)
        normalised.append(i > 0 ? "/" : "").append(kept[i]);
    // "a/b/.." names the folder "a/"; "a/.." names the current folder.
    if (dropped && !kept.empty())
        normalised += '/';
    return normalised.empty() && !path.empty() ? "." : normalised;
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
    std::string slashed(joined);
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    m_path = removeDotSegments(slashed);
    if (m_path.size() + 1 > native::kMaxPathBytes)
        overflow(m_path.size() + 1, joined);

    const size_t colon = m_path.find(':');
    const size_t directory = colon == std::string::npos ? 0 : colon + 1;
    const size_t slash = m_path.rfind('/');
    const size_t name = slash == std::string::npos || slash < directory ? directory : slash + 1;
    const size_t point = m_path.rfind('.');
    const size_t extension = point == std::string::npos || point < name ? m_path.size() : point;
    m_drive = m_path.substr(0, directory);
    m_directory = m_path.substr(directory, name - directory);
    m_baseName = m_path.substr(name, extension - name);
    m_extension = m_path.substr(extension);
}

} // namespace io
