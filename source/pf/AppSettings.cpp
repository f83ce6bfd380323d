#include "AppSettings.h"

#include "lang/Exception.h"

namespace pf {

bool AppSettings::getBoolean(const std::string&) const {
    throw lang::Exception(lang::Format("AppSettings::getBoolean not supported"));
}

std::optional<bool> AppSettings::findBoolean(const std::string&) const { return std::nullopt; }

} // namespace pf
