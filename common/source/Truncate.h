#pragma once

#include <cmath>
#include <limits>

/// `value` truncated toward zero, saturating at the int range; NaN gives 0. (A plain cast of
/// NaN or of a value outside the range is undefined.)
inline int truncateToInt(float value) {
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<float>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (value >= static_cast<float>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}
