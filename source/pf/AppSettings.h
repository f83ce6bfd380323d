#pragma once

#include <optional>
#include <string>

namespace pf {

/// The settings the platform keeps for the game outside it (a phone's per-application switches).
/// A desktop has none.
class AppSettings {
public:
    /// The switch `key`. Raises `lang::Exception` "AppSettings::getBoolean not supported".
    bool getBoolean(const std::string& key) const;
    /// The switch `key`, or nothing when the platform has no such setting: here always nothing.
    std::optional<bool> findBoolean(const std::string& key) const;
};

} // namespace pf
