#include "LevelAvailability.h"

#include "lang/Log.h"
#include "lang/Throwable.h"

#include <climits>
#include <vector>

namespace {

std::vector<std::string_view> splitAtCommas(std::string_view text) {
    std::vector<std::string_view> tokens;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        tokens.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return tokens;
        start = comma + 1;
    }
}

/// The number written by the leading digits of `token`; 0 without any, INT_MAX past the range.
int leadingNumber(std::string_view token) {
    long long value = 0;
    for (char c : token) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

LevelAvailability parseLevelAvailability(std::string_view response) {
    LevelAvailability result;
    const std::vector<std::string_view> tokens = splitAtCommas(response);
    // A key takes the token after it, which is then no key itself.
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i] == "today")
            result.today = tokens[++i];
        else if (tokens[i] == "seconds-to-next")
            result.secondsToNext = leadingNumber(tokens[++i]);
    }
    result.status = 1;
    return result;
}

void LevelAvailabilityCheck::run(const std::string& url, const Fetch& fetch) {
    lang::MutexLock lock(m_mutex);
    m_result = LevelAvailability();
    try {
        m_result = parseLevelAvailability(fetch(url));
    } catch (const lang::Throwable& error) {
        // The scripts only see that no result came.
        LOG_WARNING("Game", "The online level check failed: %s", error.what());
    }
}

LevelAvailability LevelAvailabilityCheck::result() const {
    lang::MutexLock lock(m_mutex);
    return m_result;
}
