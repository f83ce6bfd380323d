#include "ColourBytes.h"

#include <algorithm>

std::uint32_t byteComponent(float component) {
    return component > 0.0f ? static_cast<std::uint32_t>(std::min(component, 255.0f)) : 0;
}

std::uint32_t unitComponent(float component) {
    return component > 0.0f ? static_cast<std::uint32_t>(std::min(component, 1.0f) * 255.0f) : 0;
}
