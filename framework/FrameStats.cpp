#include "framework/FrameStats.h"

#include <algorithm>
#include <cstdio>

namespace framework {

std::string FrameStats::summary() const {
    if (m_micros.empty())
        return "frame times: 0 frames";
    std::vector<std::int64_t> sorted = m_micros;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    const std::int64_t slowest = *std::max_element(sorted.begin(), sorted.end());
    char text[96];
    std::snprintf(text, sizeof text, "frame times: %zu frames, median %.2f ms, slowest %.2f ms", sorted.size(),
                  static_cast<double>(*middle) / 1000.0, static_cast<double>(slowest) / 1000.0);
    return text;
}

} // namespace framework
