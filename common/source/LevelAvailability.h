#pragma once

#include "lang/Mutex.h"

#include <functional>
#include <string>
#include <string_view>

/// What the online level check found out.
struct LevelAvailability {
    /// 0 until a check has completed, 1 after.
    int status = 0;
    /// The name the service gives today ("today" token); empty when it gave none.
    std::string today;
    /// Seconds until the next level ("seconds-to-next" token); -1 when unknown.
    int secondsToNext = -1;
};

/// Reads the service's answer: tokens separated by commas, where "today" is followed by
/// today's name and "seconds-to-next" by a decimal number of seconds, of which the leading
/// digits count (0 without any; numbers past the int range saturate). Other tokens are
/// skipped, and so is a key token with nothing after it. The result has status 1.
LevelAvailability parseLevelAvailability(std::string_view response);

/// The online level check: one request at a time, and its result, guarded by one mutex so that
/// a check may run on another thread while the scripts read the last result.
class LevelAvailabilityCheck {
public:
    /// The body of a GET request for a URL. Raises `lang::Throwable` when the request fails.
    using Fetch = std::function<std::string(const std::string& url)>;

    /// Asks `fetch` for `url` and keeps what the answer says, holding the lock throughout. A
    /// failed request leaves the result unknown (status 0, no today, -1 seconds). Any thread.
    void run(const std::string& url, const Fetch& fetch);
    /// The result of the last check. Any thread.
    LevelAvailability result() const;

private:
    mutable lang::Mutex m_mutex;
    LevelAvailability m_result;
};
