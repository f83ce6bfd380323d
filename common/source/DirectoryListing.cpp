#include "DirectoryListing.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>
#include <system_error>

namespace {

/// `pattern` for fnmatch with only * and ? as wildcards: brackets and backslashes match themselves.
std::string wildcardsOnly(const std::string& pattern) {
    std::string escaped;
    for (const char c : pattern) {
        if (c == '[' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

} // namespace

std::vector<std::string> listMatchingEntries(const std::string& pattern) {
    const auto slash = pattern.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash == 0 ? 1 : slash);
    const std::string namePattern = wildcardsOnly(slash == std::string::npos ? pattern : pattern.substr(slash + 1));
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (fnmatch(namePattern.c_str(), name.c_str(), FNM_PERIOD) == 0)
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}
