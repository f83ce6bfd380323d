#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace framework {

/// The times frames took (update and present), for benchmarks (`--frame-stats`).
class FrameStats {
public:
    /// One frame took `micros` microseconds.
    void add(std::int64_t micros) { m_micros.push_back(micros); }
    /// "frame times: N frames, median X ms, slowest Y ms" (X and Y with two decimals; the median
    /// of an even count is the upper middle one); "frame times: 0 frames" without frames.
    std::string summary() const;

private:
    std::vector<std::int64_t> m_micros;
};

} // namespace framework
