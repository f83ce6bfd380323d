#include "Locale.h"

#include <SDL_locale.h>
#include <SDL_stdinc.h>

#include <algorithm>
#include <memory>

namespace pf {
namespace {

std::string languagePart(const std::string& name) { return name.substr(0, name.find('_')); }

} // namespace

std::vector<std::string> preferredLanguages() {
    std::vector<std::string> languages;
    const std::unique_ptr<SDL_Locale, decltype(&SDL_free)> locales(SDL_GetPreferredLocales(), SDL_free);
    for (const SDL_Locale* locale = locales.get(); locale && locale->language; ++locale)
        languages.push_back(languageName(locale->language, locale->country));
    if (languages.empty())
        languages.push_back(kDefaultLanguage);
    return languages;
}

std::string languageName(const std::string& language, const char* country) {
    if (!country || !*country)
        return language;
    return language + "_" + country;
}

std::string chooseLanguage(const std::vector<std::string>& preferred, const std::vector<std::string>& available) {
    for (const std::string& wanted : preferred) {
        if (std::find(available.begin(), available.end(), wanted) != available.end())
            return wanted;
    }
    // A Finnish user is better served by "fi_FI" than by the default, though they said "fi" or
    // "fi_SE".
    for (const std::string& wanted : preferred) {
        const auto sameLanguage = std::find_if(available.begin(), available.end(), [&](const std::string& name) {
            return languagePart(name) == languagePart(wanted);
        });
        if (sameLanguage != available.end())
            return *sameLanguage;
    }
    return kDefaultLanguage;
}

} // namespace pf
