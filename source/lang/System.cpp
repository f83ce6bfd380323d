#include "lang/System.h"

#include "lang/Log.h"

#include <ctime>

namespace lang {

namespace {

// Reads the monotonic clock in microseconds; false if it cannot be read.
bool monotonicMicros(std::int64_t& micros) {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return false;
    micros = static_cast<std::int64_t>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1'000;
    return true;
}

// The log stamps every record with the wall clock, so reading it must not log: a failing clock
// would otherwise recurse without end.
std::int64_t monotonicMillisQuiet() {
    std::int64_t micros = 0;
    return monotonicMicros(micros) ? micros / 1'000 : 0;
}

} // namespace

std::int64_t System::currentTimeMillis() {
    std::int64_t micros = 0;
    if (!monotonicMicros(micros)) {
        LOG_ERROR("System", "currentTimeMillis() failed, returning 0 as current time.");
        return 0;
    }
    return micros / 1'000;
}

std::int64_t System::currentTimeMicros() {
    std::int64_t micros = 0;
    if (!monotonicMicros(micros)) {
        LOG_ERROR("System", "currentTimeMicros() failed, returning 0 as current time.");
        return 0;
    }
    return micros;
}

std::int64_t System::wallTimeMillis() {
    static const std::int64_t offset = static_cast<std::int64_t>(std::time(nullptr)) * 1'000 - monotonicMillisQuiet();
    return monotonicMillisQuiet() + offset;
}

} // namespace lang
