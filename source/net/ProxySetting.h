#pragma once

#include <functional>
#include <optional>
#include <string>

namespace net {

/// Reads an environment variable: its value, or nothing when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(const char* name)>;

/// The process environment, through `getenv`.
std::optional<std::string> readEnvironment(const char* name);

/// The proxy the user set for `url`, from the environment: "http_proxy" for http addresses,
/// "https_proxy" or "HTTPS_PROXY" for https, then "all_proxy" or "ALL_PROXY" for any scheme
/// (the upper-case "HTTP_PROXY" is ignored, as every HTTP client does, because a CGI server puts
/// the client's "Proxy:" header there). Nothing when no proxy is set; the empty text when the
/// setting is ":" or "::", which means no proxy at all. Hosts the user exempted with
/// "no_proxy" are left to libcurl, which honours them for any proxy it is given.
std::optional<std::string> proxyFor(const std::string& url, const EnvironmentReader& environment = readEnvironment);

} // namespace net
