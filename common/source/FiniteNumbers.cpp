#include "FiniteNumbers.h"

#include "lang/Exception.h"

#include <cmath>
#include <string>

void requireFinite(const char* native, std::initializer_list<float> values) {
    for (float value : values)
        if (!std::isfinite(value))
            throw lang::Exception(
                lang::Format("{0}: the physics world takes only finite numbers, not {1}", native, value));
}

void requireNotNegative(const char* native, std::initializer_list<float> values) {
    for (float value : values)
        if (!(value >= 0.0f))
            throw lang::Exception(
                lang::Format("{0}: the physics world takes no negative number here, not {1}", native, value));
}
