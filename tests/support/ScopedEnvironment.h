#pragma once

#include <stdlib.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

/// Changes environment variables for as long as it exists, then puts back what was there. For
/// tests that steer what the code under test reads from the environment (proxy settings); not
/// for use while other threads read the environment.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment() {
        for (auto saved = m_saved.rbegin(); saved != m_saved.rend(); ++saved)
            apply(saved->first, saved->second);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    /// Sets `name` to `value`, or removes it when `value` is nothing.
    void set(const std::string& name, const std::optional<std::string>& value) {
        const char* previous = getenv(name.c_str());
        m_saved.emplace_back(name, previous ? std::optional<std::string>(previous) : std::nullopt);
        apply(name, value);
    }

private:
    static void apply(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

} // namespace testsupport
