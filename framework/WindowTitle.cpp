#include "framework/WindowTitle.h"

#include <cstdio>
#include <vector>

namespace framework {

std::string windowTitle(const std::string& name, int width, int height) {
    const char* format = "%s (%dx%d)";
    const int length = std::snprintf(nullptr, 0, format, name.c_str(), width, height);
    std::vector<char> title(static_cast<std::size_t>(length) + 1);
    std::snprintf(title.data(), title.size(), format, name.c_str(), width, height);
    return title.data();
}

} // namespace framework
