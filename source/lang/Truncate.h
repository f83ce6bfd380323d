#pragma once

#include <cmath>
#include <limits>
#include <type_traits>

namespace lang {

/// `value` truncated toward zero into `Int`, saturating at the ends of its range; NaN gives 0.
/// A plain cast of NaN or of a value outside the range is undefined behaviour, and numbers from
/// scripts and data files can be anything.
template <class Int, class Real>
Int truncateTo(Real value) {
    static_assert(std::is_integral_v<Int> && std::is_floating_point_v<Real>);
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<Real>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (value >= static_cast<Real>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

} // namespace lang
