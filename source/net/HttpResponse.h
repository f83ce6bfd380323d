#pragma once

#include <string>
#include <vector>

namespace net {

/// Everything a finished GET request answered.
struct HttpResponse {
    /// The final response's status code (200, 404, ...).
    int status = 0;
    /// All bytes of the final response's body.
    std::string body;
    /// The address the request ended at, after redirects.
    std::string effectiveUrl;
    /// The final response's header lines, status line first, without line ends; the header lines
    /// of redirects on the way are not kept.
    std::vector<std::string> headers;
    /// The cookies the transfer collected, one line each in Netscape cookie-file form.
    std::vector<std::string> cookies;
};

} // namespace net
