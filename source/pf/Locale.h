#pragma once

#include <string>
#include <vector>

/// The user's languages, written as the game's text files name them: "ll_CC" (language and
/// country, "fi_FI"), or "ll" where the user named a language without a country.
namespace pf {

/// The language the game falls back to.
inline constexpr const char* kDefaultLanguage = "en_EN";

/// The user's preferred languages, most wanted first, from the desktop's settings (the
/// environment's LANG and LANGUAGE); just `kDefaultLanguage` when none are known.
std::vector<std::string> preferredLanguages();

/// "ll_CC" for a language and a country code, "ll" without a country (null or empty).
std::string languageName(const std::string& language, const char* country);

/// The language of `available` to use for a user who prefers `preferred` (most wanted first):
/// the first preferred one that is available; else, for the first preferred one whose language
/// part ("fi" of "fi_FI") some available one shares, the first such; else `kDefaultLanguage`.
std::string chooseLanguage(const std::vector<std::string>& preferred, const std::vector<std::string>& available);

} // namespace pf
