#pragma once

#include "HttpRequest.h"
#include "io/InputStream.h"

#include <string>

namespace net {

/// A remote file read as a stream: the whole body of a GET for an address, fetched at
/// construction and then read from memory. The status is kept but not checked, so an error
/// page reads like any other body. Used by one thread at a time, as every stream.
class HttpFileInputStream : public io::InputStream {
public:
    /// Fetches `url` with a request of default settings (time-outs, proxy). Raises
    /// `net::HttpRequestException` with libcurl's text when the transfer fails.
    explicit HttpFileInputStream(const std::string& url);
    /// Fetches `url` with `request`, whose time-outs, abandon flag and proxy exceptions apply;
    /// the request is only used during construction. Raises as above.
    HttpFileInputStream(const std::string& url, HttpRequest& request);
    ~HttpFileInputStream() override;

    /// The status code of the final response (200, 404, ...).
    int status() const { return m_status; }

private:
    HttpFileInputStream(const std::string& url, const HttpResponse& response);

    int m_status;
};

} // namespace net
