#pragma once

#include "HttpResponse.h"
#include "lang/Object.h"

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <string>

namespace net {

/// Blocking HTTP GET requests through libcurl, following redirects. Every request has a connect
/// time-out and a total time-out, so a dead or silent server cannot hold its caller for ever,
/// and a caller may hand in a flag that abandons a running transfer (for shut-down).
/// One request object must not be used by two threads at once; separate objects may run on
/// separate threads.
class HttpRequest : public lang::Object {
public:
    /// The longest a request waits for its connection by default.
    static constexpr std::chrono::milliseconds kDefaultConnectTimeout{10000};
    /// The longest a whole request, body included, takes by default.
    static constexpr std::chrono::milliseconds kDefaultTotalTimeout{30000};

    /// Raises `net::HttpRequestException` "Creating HttpRequest failed" when libcurl gives no
    /// handle.
    HttpRequest();
    ~HttpRequest() override;

    /// Sends `line` (a whole header line, "Name: value") with every request, under `name`;
    /// setting a name again replaces its line.
    void setHeader(const std::string& name, const std::string& line);
    /// Changes the time-outs of later requests (at least 1 ms each).
    void setTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds total);
    /// While `*abandon` is true requests fail: a running transfer stops within about a second
    /// (libcurl looks at the flag that often while a server is silent), a new one never
    /// starts. The flag must outlive the request; null takes the flag away.
    void setAbandonFlag(const std::atomic<bool>* abandon);
    /// Only for requests to these hosts (a comma-separated list, as libcurl's no-proxy option
    /// takes it) no proxy is used whatever the environment says. Tests on the loopback
    /// interface set it.
    void setNoProxyHosts(const std::string& hosts);

    /// Performs a GET for `url` (http or https, at most 20 redirects) and returns the final
    /// response, whatever its status. The user's proxy setting is read from the environment
    /// before every request. Raises
    /// `net::HttpRequestException` with libcurl's text when the transfer fails (no connection,
    /// unknown host, time-out, abandoned).
    HttpResponse get(const std::string& url);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace net
