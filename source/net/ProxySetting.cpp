#include "ProxySetting.h"

#include <cstdlib>
#include <span>

namespace net {

namespace {

std::string schemeOf(const std::string& url) {
    const std::size_t end = url.find("://");
    std::string scheme = end == std::string::npos ? std::string("http") : url.substr(0, end);
    for (char& c : scheme)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return scheme;
}

// The variables that may name the proxy for a scheme, in the order they are consulted.
std::span<const char* const> proxyVariables(const std::string& scheme) {
    static constexpr const char* kHttp[] = {"http_proxy", "all_proxy", "ALL_PROXY"};
    static constexpr const char* kHttps[] = {"https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"};
    static constexpr const char* kOther[] = {"all_proxy", "ALL_PROXY"};
    if (scheme == "http")
        return kHttp;
    if (scheme == "https")
        return kHttps;
    return kOther;
}

} // namespace

std::optional<std::string> readEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

std::optional<std::string> proxyFor(const std::string& url, const EnvironmentReader& environment) {
    for (const char* name : proxyVariables(schemeOf(url))) {
        const std::optional<std::string> value = environment(name);
        if (!value || value->empty())
            continue;
        if (*value == ":" || *value == "::")
            return std::string();
        return value;
    }
    return std::nullopt;
}

} // namespace net
