#include "NumberText.h"

#include <cstdio>
#include <cstdlib>

namespace lua {

std::string numberText(float value) {
    char buffer[32];
    int length = 0;
    for (int precision = 6; precision <= 9; ++precision) {
        length = std::snprintf(buffer, sizeof buffer, "%.*g", precision, static_cast<double>(value));
        if (static_cast<float>(std::strtod(buffer, nullptr)) == value)
            break;
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace lua
